#include "driver/relation_loader.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "exec/loading/concurrent_watcher.h"
#include "model/decimal.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/null_value.h"
#include "model/record.h"
#include "model/record_values.h"
#include "model/tuning.h"
#include "query/program_text.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

// A relation's records as the loader finds them; the records stay where they are.
struct FoundRecords {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;
  std::size_t count = 0;
  bool asWritten = true;
  std::vector<std::uint64_t> cuts;  // the offset after every cutSpacing records
};

// The positions of the decimal attributes, ascending.
std::vector<int> decimalPositionsOf(const AttributeList& attributes) {
  std::vector<int> positions;
  for (int position = 1; position <= attributes.getAttributeCount(); ++position) {
    if (attributes.isDecimal(position)) positions.push_back(position);
  }
  return positions;
}

// Ends the run at a value of a decimal attribute (at `decimalPositions`)
// that is neither a decimal nor a null.
void requireDecimals(std::span<const int> decimalPositions, std::string_view values) {
  ValueCursor cursor(values);
  int fieldno = 0;
  for (const int position : decimalPositions) {
    std::string_view value;
    while (fieldno < position) {
      value = cursor.next();
      ++fieldno;
    }
    if (!isNull(value) && !parseDecimal(value)) fatal(textOf(Text::malformedDecimalMessage), value);
  }
}

// Brings the records found so far into memory: a relation that was to stay
// in the file met a value that reads otherwise than it is written.
void bringIntoMemory(Relation& relation, const InputFile& input, FoundRecords& found) {
  if (found.count > 0) {
    Relation earlier(relation.getAttributes());
    earlier.setRecordSource(input.recordsBetween(found.begin, found.end, found.count,
                                                 relation.getAttributeCount(), found.asWritten));
    for (RecordScanner scanner(earlier); scanner.next();) relation.appendNewRecord(scanner.getCurrent().getValues());
  }
}
}  // namespace

LoadedInput loadInput(LineReader& reader, const InputFile& input, bool extended) {
  LoadedInput loaded;
  loaded.query = readQuery(reader, extended);
  loaded.relations = loadRelations(reader, input, {}, extended);
  return loaded;
}

std::string readQuery(LineReader& reader, bool programs) {
  std::string_view line;
  reader.readNonEmptyLine(line);
  std::string query(line);
  if (!programs || !startsProgram(query)) return query;
  // An empty line ends the program, as it ends a relation.
  while (continuesProgram(query) && reader.readLine(line) && !line.empty()) {
    query += '\n';
    query += line;
  }
  return query;
}

RelationList loadRelations(LineReader& reader, const InputFile& input, std::span<const WatchedRelation> toWatch,
                           bool extended) {
  RelationList relations;
  // The watchers work on a second thread while loading goes on. Declared
  // after the relations, they stop before the relations go, should loading fail.
  std::vector<std::unique_ptr<ConcurrentWatcher>> concurrent;
  std::vector<WatchedRelation> watchers;
  for (const WatchedRelation& each : toWatch) {
    concurrent.push_back(std::make_unique<ConcurrentWatcher>(each.watcher.get()));
    watchers.push_back({each.name, *concurrent.back()});
  }
  try {
    const bool leaveInFile = input.canBeReadAgain();
    std::string scratch;
    std::string unescaped;
    std::vector<RecordWatcher*> watching;
    std::string_view line;
    bool more = reader.readNonEmptyLine(line);
    while (more) {
      // Among the relations from the start, so that it outlives the watchers' work on it.
      Relation* const relation = relations.emplace_back(std::make_unique<Relation>()).get();
      readHeader(line, *relation);
      if (extended) relation->readDecimalTypes();
      const std::vector<int> decimalPositions = decimalPositionsOf(relation->getAttributes());
      bool inMemory = !leaveInFile;
      watching.clear();
      for (const WatchedRelation& watched : watchers) {
        if (leaveInFile && watched.name == relation->getName() && watched.watcher.get().begin(*relation)) {
          watching.push_back(&watched.watcher.get());
        }
      }
      const int attributeCount = relation->getAttributeCount();
      FoundRecords found;
      found.begin = found.end = reader.position();
      while ((more = reader.readLine(line)) && !line.empty()) {
        auto text = recordText(line, reader.commaCount(), attributeCount, scratch);
        if (!text) failSetValue();
        found.asWritten = found.asWritten && text->data() == line.data() && text->size() == line.size();
        if (extended && holdsEscapedValue(*text)) {
          if (!inMemory) bringIntoMemory(*relation, input, found);
          inMemory = true;
          readWrittenValues(*text, unescaped);
          text = unescaped;
        }
        if (!decimalPositions.empty()) requireDecimals(decimalPositions, *text);
        if (inMemory) relation->appendNewRecord(*text);
        for (RecordWatcher* watcher : watching) {
          if (const auto prepared = watcher->prepare(*text)) watcher->offer(*prepared);
        }
        ++found.count;
        found.end = reader.position();
        if (found.count % tuning::cutSpacing == 0) found.cuts.push_back(found.end);
      }
      if (!inMemory && found.count > 0) {
        relation->setRecordSource(input.recordsBetween(found.begin, found.end, found.count, attributeCount,
                                                       found.asWritten, std::move(found.cuts)));
      }
      for (RecordWatcher* watcher : watching) watcher->end(*relation);
      if (more) more = reader.readNonEmptyLine(line);
    }
    InputFile::requireReadable(reader.failed());
  } catch (const FatalError&) {
    // A watcher that failed on an earlier record failed first: loading in one
    // thread would have met its failure before this one.
    for (const auto& watcher : concurrent) watcher->finish();
    throw;
  }
  for (const auto& watcher : concurrent) watcher->finish();
  return relations;
}

void readHeader(std::string_view line, Relation& relation) {
  const KeywordForm header = splitKeywordForm(line);
  relation.setName(header.head);
  // Without a "(" the attribute text is the line without its last byte.
  std::string_view attributeText = header.hasParenthesis ? header.inner : line.substr(0, line.size() - 1);
  trim(attributeText);
  if (attributeText.empty()) fatal(textOf(Text::emptyAttributeListMessage), line);

  while (!attributeText.empty()) {
    const std::size_t blank = attributeText.find(' ');
    const std::string_view attributeName = attributeText.substr(0, blank);
    // Without a blank the name is its own type.
    std::string_view rest = blank == std::string_view::npos ? attributeText : attributeText.substr(blank + 1);
    trim(rest);
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
      relation.addAttribute(rest, attributeName);
      attributeText = {};
    } else {
      relation.addAttribute(rest.substr(0, comma), attributeName);
      attributeText = rest.substr(comma + 1);
      trim(attributeText);
      if (attributeText.empty()) fatal(textOf(Text::headerMissingAttributeMessage), line);
    }
  }
  relation.setOrigin(header.head);
}

std::optional<std::string_view> recordText(std::string_view line, int attributeCount, std::string& scratch) {
  return recordText(line, static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')), attributeCount, scratch);
}

std::optional<std::string_view> recordText(std::string_view line, std::size_t commaCount, int attributeCount,
                                           std::string& scratch) {
  if (!line.empty() && line.back() == ',') {
    line.remove_suffix(1);
    --commaCount;
  }
  if (commaCount >= static_cast<std::size_t>(attributeCount)) return std::nullopt;
  const auto valueCount = static_cast<int>(commaCount) + 1;
  if (valueCount == attributeCount) return line;
  scratch = padValues(line, valueCount, attributeCount);
  return scratch;
}

}  // namespace qerix
