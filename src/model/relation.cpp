#include "model/relation.h"

#include <algorithm>
#include <numeric>
#include <ostream>
#include <utility>

#include "model/record_order.h"
#include "model/record_values.h"
#include "model/text_arena.h"

namespace qerix {

Relation::Relation() : records(std::make_shared<std::vector<std::string_view>>()) {}

Relation::Relation(AttributeList columns) : Relation() { attributes = std::move(columns); }

Relation::Relation(const Relation& source)
    : attributes(source.attributes),
      name(source.name),
      records(source.records),
      textOwners(source.textOwners),
      cursor(source.records->size()) {}

Relation::~Relation() = default;

void Relation::addAttribute(std::string_view type, std::string_view attributeName) {
  attributes.addAttribute(type, attributeName);
}

void Relation::addAttributes(const AttributeList& list) { attributes.addAttributes(list); }

std::vector<std::string_view>& Relation::recordsToChange() {
  if (records.use_count() > 1) records = std::make_shared<std::vector<std::string_view>>(*records);
  return *records;
}

void Relation::appendRecordText(std::string_view values) {
  auto& list = recordsToChange();
  list.push_back(values);
  cursor = list.size() - 1;
}

void Relation::appendNewRecord(std::string_view values) {
  if (!ownText) {
    ownText = std::make_shared<TextArena>();
    keepTextAlive(ownText);
  }
  appendRecordText(ownText->store(values));
}

void Relation::appendCopy(const Record& source) {
  const int sourceCount = source.getValueCount();
  if (sourceCount > getAttributeCount()) failSetValue();
  if (sourceCount == getAttributeCount()) {
    shareTextOf(source.getRelation());
    appendRecordText(source.getValues());
  } else {
    appendNewRecord(padValues(source.getValues(), sourceCount, getAttributeCount()));
  }
}

void Relation::keepTextAlive(std::shared_ptr<const void> owner) {
  if (std::find(textOwners.begin(), textOwners.end(), owner) == textOwners.end()) {
    textOwners.push_back(std::move(owner));
  }
}

void Relation::shareTextOf(const Relation& source) {
  if (&source == this) return;
  for (const auto& owner : source.textOwners) keepTextAlive(owner);
}

void Relation::reserveRecords(std::size_t count) { recordsToChange().reserve(count); }

void Relation::sortRecords() {
  stableSortRecords(recordsToChange(), attributes, getAttributeCount());
  first();
}

namespace {

// Result text is gathered in blocks of about this size before it is written.
constexpr std::size_t outputBlockSize = std::size_t{1} << 16;

// The attribute positions in the order of their names; stable, so equal names
// keep their order and each position still shows its own type and value.
std::vector<int> positionsByName(const AttributeList& attributes) {
  std::vector<int> positions(static_cast<std::size_t>(attributes.getAttributeCount()));
  std::iota(positions.begin(), positions.end(), 1);
  std::stable_sort(positions.begin(), positions.end(), [&](int left, int right) {
    return attributes.getAttributeName(left) < attributes.getAttributeName(right);
  });
  return positions;
}

}  // namespace

void Relation::printTo(std::ostream& out) const {
  const std::vector<int> positions = positionsByName(attributes);
  std::string text = name + "(";
  for (std::size_t column = 0; column < positions.size(); ++column) {
    if (column > 0) text += ", ";
    text += attributes.getAttributeName(positions[column]);
    text += ' ';
    text += attributes.getAttributeType(positions[column]);
  }
  text += ")\n";

  const bool inStoredOrder = std::is_sorted(positions.begin(), positions.end());
  std::vector<std::string_view> values;
  for (const std::string_view record : *records) {
    if (inStoredOrder) {
      text += record;
    } else {
      splitValues(record, getAttributeCount(), values);
      for (std::size_t column = 0; column < positions.size(); ++column) {
        if (column > 0) text += ',';
        text += values[indexOf(positions[column])];
      }
    }
    text += '\n';
    if (text.size() >= outputBlockSize) {
      out.write(text.data(), static_cast<std::streamsize>(text.size()));
      text.clear();
    }
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace qerix
