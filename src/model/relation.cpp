#include "model/relation.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <numeric>
#include <ostream>
#include <utility>

#include "model/null_value.h"
#include "model/prefetch.h"
#include "model/record_source.h"
#include "model/record_values.h"
#include "model/text_arena.h"
#include "model/tuning.h"

namespace qerix {

Relation::Relation() : records(std::make_shared<std::vector<std::string_view>>()) {}

Relation::Relation(AttributeList columns) : Relation() { attributes = std::move(columns); }

Relation::Relation(const Relation& other)
    : attributes(other.attributes),
      name(other.name),
      records(other.records),
      textOwners(other.textOwners),
      source(other.source) {}

Relation::~Relation() = default;

void Relation::addAttribute(std::string_view type, std::string_view attributeName) {
  attributes.addAttribute(type, attributeName);
}

void Relation::addAttributes(const AttributeList& list) { attributes.addAttributes(list); }

std::size_t Relation::getRecordCount() const { return source ? source->getRecordCount() : records->size(); }

void Relation::setRecordSource(std::shared_ptr<const RecordSource> recordSource) {
  assert(records->empty() && "a relation takes its records from one place");
  source = std::move(recordSource);
}

const std::vector<std::string_view>& Relation::recordTexts() const {
  assert(!source && "bring the records into memory first");
  return *records;
}

std::vector<std::string_view>& Relation::changeRecordTexts() {
  assert(!source && "bring the records into memory first");
  if (records.use_count() > 1) records = std::make_shared<std::vector<std::string_view>>(*records);
  return *records;
}

TextArena& Relation::arena() {
  if (!ownText) {
    ownText = std::make_shared<TextArena>();
    keepTextAlive(ownText);
  }
  return *ownText;
}

void Relation::appendRecordText(std::string_view values) { changeRecordTexts().push_back(values); }

void Relation::appendRecordTexts(std::vector<std::string_view> texts) {
  auto& list = changeRecordTexts();
  if (list.empty()) {
    list = std::move(texts);
  } else {
    list.insert(list.end(), texts.begin(), texts.end());
  }
}

void Relation::appendNewRecord(std::string_view values) { appendRecordText(arena().store(values)); }

void Relation::appendCopy(const Record& record) {
  const int valueCount = record.getValueCount();
  if (valueCount > getAttributeCount()) failSetValue();
  if (valueCount < getAttributeCount()) {
    appendNewRecord(padValues(record.getValues(), valueCount, getAttributeCount()));
  } else if (!record.getRelation().isInMemory()) {
    // The text is only lent by a stream over the input file.
    appendNewRecord(record.getValues());
  } else {
    shareTextOf(record.getRelation());
    appendRecordText(record.getValues());
  }
}

void Relation::keepTextAlive(std::shared_ptr<const void> owner) {
  if (std::find(textOwners.begin(), textOwners.end(), owner) == textOwners.end()) {
    textOwners.push_back(std::move(owner));
  }
}

void Relation::shareTextOf(const Relation& other) {
  if (&other == this) return;
  for (const auto& owner : other.textOwners) keepTextAlive(owner);
}

void Relation::reserveRecords(std::size_t count) { changeRecordTexts().reserve(count); }

std::vector<int> positionsByName(const AttributeList& attributes) {
  std::vector<int> positions(static_cast<std::size_t>(attributes.getAttributeCount()));
  std::iota(positions.begin(), positions.end(), 1);
  std::stable_sort(positions.begin(), positions.end(), [&](int left, int right) {
    return attributes.getAttributeName(left) < attributes.getAttributeName(right);
  });
  return positions;
}

void Relation::printTo(std::ostream& out, bool extended) const {
  const std::vector<int> positions = positionsByName(attributes);
  std::string header = name + "(";
  for (std::size_t column = 0; column < positions.size(); ++column) {
    if (column > 0) header += ", ";
    header += attributes.getAttributeName(positions[column]);
    header += ' ';
    header += attributes.getAttributeType(positions[column]);
  }
  header += ")\n";
  out.write(header.data(), static_cast<std::streamsize>(header.size()));

  // A record prints no longer than it is stored, plus a comma per value: the
  // same values, maybe in another order, and with -x a backslash more for
  // some. So lines go straight into the block.
  std::vector<char> block(tuning::outputBlock);
  std::size_t used = 0;
  const bool inStoredOrder = std::is_sorted(positions.begin(), positions.end());
  std::vector<std::string_view> values;
  std::string written;
  for (RecordScanner scanner(*this); scanner.next();) {
    const std::string_view record = scanner.getCurrent().getValues();
    const bool escapes = extended && (holdsNull(record) || record.find('\\') != std::string_view::npos);
    const std::size_t longest = record.size() + (escapes ? 2 : 1) * positions.size() + 1;
    if (used + longest > block.size()) {
      out.write(block.data(), static_cast<std::streamsize>(used));
      used = 0;
      if (longest > block.size()) block.resize(longest);
    }
    char* line = block.data() + used;
    auto put = [&line](std::string_view bytes) {
      if (!bytes.empty()) std::memcpy(line, bytes.data(), bytes.size());
      line += bytes.size();
    };
    if (escapes) {
      splitValues(record, getAttributeCount(), values);
      written.clear();
      for (std::size_t column = 0; column < positions.size(); ++column) {
        if (column > 0) written += ',';
        appendWrittenValue(written, values[indexOf(positions[column])]);
      }
      put(written);
    } else if (inStoredOrder) {
      put(record);
    } else {
      splitValues(record, getAttributeCount(), values);
      for (std::size_t column = 0; column < positions.size(); ++column) {
        if (column > 0) *line++ = ',';
        put(values[indexOf(positions[column])]);
      }
    }
    *line++ = '\n';
    used = static_cast<std::size_t>(line - block.data());
  }
  out.write(block.data(), static_cast<std::streamsize>(used));
}

RecordScanner::RecordScanner(const Relation& scanned) : relation(scanned) {
  if (!relation.isInMemory()) stream = relation.source->open();
}

RecordScanner::~RecordScanner() = default;

bool RecordScanner::next() {
  if (stream) return stream->next(values);
  const auto& texts = relation.recordTexts();
  if (nextIndex >= texts.size()) return false;
  // Sorted records lie scattered over their text: fetch ahead.
  if (nextIndex + tuning::prefetchDistance < texts.size()) prefetch(texts[nextIndex + tuning::prefetchDistance].data());
  values = texts[nextIndex++];
  return true;
}

}  // namespace qerix
