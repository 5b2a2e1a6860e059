#include "driver/relation_loader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "driver/concurrent_watcher.h"
#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "model/fatal_error.h"
#include "model/record.h"
#include "model/record_values.h"
#include "query/text_helpers.h"

namespace qerix {

namespace {
constexpr std::string_view emptyAttributeListMessage = "Hibas relacio fejlec, ures az attributumlista: ";
constexpr std::string_view missingAttributeMessage = "Hibas relacio fejlec, vesszo utan hianyzik az attributum: ";

// Relations in the file of at least twice this many records can be read in
// two halves at once; the halves are cut at a multiple of it.
constexpr std::size_t cutSpacing = std::size_t{1} << 16;

// The cut nearest to the middle of the records, if there are enough of them.
RecordCut middleOf(const std::vector<std::uint64_t>& cuts, std::size_t recordCount) {
  if (recordCount < 2 * cutSpacing) return {};
  const std::size_t index = std::max<std::size_t>(1, (recordCount + cutSpacing) / (2 * cutSpacing));
  return {index * cutSpacing, cuts[index - 1]};
}

}  // namespace

LoadedInput loadInput(LineReader& reader, const InputFile& input) {
  LoadedInput loaded;
  loaded.query = readQuery(reader);
  loaded.relations = loadRelations(reader, input);
  return loaded;
}

std::string readQuery(LineReader& reader) {
  std::string_view line;
  reader.readNonEmptyLine(line);
  return std::string(line);
}

RelationList loadRelations(LineReader& reader, const InputFile& input, std::span<const WatchedRelation> toWatch) {
  RelationList relations;
  // The watchers work on a second thread while loading goes on. Declared
  // after the relations, they stop before the relations go, should loading fail.
  std::vector<std::unique_ptr<ConcurrentWatcher>> concurrent;
  std::vector<WatchedRelation> watchers;
  for (const WatchedRelation& each : toWatch) {
    concurrent.push_back(std::make_unique<ConcurrentWatcher>(each.watcher.get()));
    watchers.push_back({each.name, *concurrent.back()});
  }
  const bool leaveInFile = input.canBeReadAgain();
  std::string scratch;
  std::vector<RecordWatcher*> watching;
  std::vector<std::uint64_t> cuts;  // the offset after every cutSpacing records
  std::string_view line;
  bool more = reader.readNonEmptyLine(line);
  while (more) {
    // Among the relations from the start, so that it outlives the watchers' work on it.
    Relation* const relation = relations.emplace_back(std::make_unique<Relation>()).get();
    readHeader(line, *relation);
    watching.clear();
    for (const WatchedRelation& watched : watchers) {
      if (leaveInFile && watched.name == relation->getName() && watched.watcher.get().begin(*relation)) {
        watching.push_back(&watched.watcher.get());
      }
    }
    const int attributeCount = relation->getAttributeCount();
    const std::uint64_t recordsBegin = reader.position();
    cuts.clear();
    std::uint64_t recordsEnd = recordsBegin;
    std::size_t recordCount = 0;
    bool asWritten = true;
    while ((more = reader.readLine(line)) && !line.empty()) {
      const auto text = recordText(line, reader.commaCount(), attributeCount, scratch);
      if (!text) failSetValue();
      asWritten = asWritten && text->data() == line.data() && text->size() == line.size();
      if (!leaveInFile) relation->appendNewRecord(*text);
      for (RecordWatcher* watcher : watching) {
        if (const auto prepared = watcher->prepare(*text)) watcher->offer(*prepared);
      }
      ++recordCount;
      recordsEnd = reader.position();
      if (recordCount % cutSpacing == 0) cuts.push_back(recordsEnd);
    }
    if (leaveInFile && recordCount > 0) {
      relation->setRecordSource(input.recordsBetween(recordsBegin, recordsEnd, recordCount, attributeCount, asWritten,
                                                     middleOf(cuts, recordCount)));
    }
    for (RecordWatcher* watcher : watching) watcher->end(*relation);
    if (more) more = reader.readNonEmptyLine(line);
  }
  InputFile::requireReadable(reader.failed());
  for (const auto& watcher : concurrent) watcher->finish();
  return relations;
}

void readHeader(std::string_view line, Relation& relation) {
  const KeywordForm header = splitKeywordForm(line);
  relation.setName(header.head);
  // Without a "(" the attribute text is the line without its last byte.
  std::string_view attributeText = header.hasParenthesis ? header.inner : line.substr(0, line.size() - 1);
  trim(attributeText);
  if (attributeText.empty()) fatal(emptyAttributeListMessage, line);

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
      if (attributeText.empty()) fatal(missingAttributeMessage, line);
    }
  }
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
