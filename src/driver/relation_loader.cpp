#include "driver/relation_loader.h"

#include <algorithm>
#include <string>

#include "driver/line_reader.h"
#include "model/fatal_error.h"
#include "model/record.h"
#include "model/record_values.h"
#include "query/text_helpers.h"

namespace qerix {

namespace {
constexpr std::string_view emptyAttributeListMessage = "Hibas relacio fejlec, ures az attributumlista: ";
constexpr std::string_view missingAttributeMessage = "Hibas relacio fejlec, vesszo utan hianyzik az attributum: ";
}  // namespace

LoadedInput loadInput(LineReader& reader, const std::shared_ptr<const std::string>& text) {
  LoadedInput loaded;
  reader.readNonEmptyLine(loaded.query);

  std::string_view line;
  bool more = reader.readNonEmptyLine(line);
  while (more) {
    auto relation = std::make_unique<Relation>();
    relation->keepTextAlive(text);
    readHeader(line, *relation);
    while ((more = reader.readLine(line)) && !line.empty()) readRecord(line, *relation);
    loaded.relations.push_back(std::move(relation));
    if (more) more = reader.readNonEmptyLine(line);
  }
  return loaded;
}

void readHeader(std::string_view line, Relation& relation) {
  const KeywordForm header = splitKeywordForm(line);
  relation.setName(header.head);
  // Without a "(" the attribute text is the line without its last byte.
  std::string_view attributeText = header.hasParenthesis ? header.inner : line.substr(0, line.size() - 1);
  trim(attributeText);
  if (attributeText.empty()) fatal(std::string(emptyAttributeListMessage) + quoted(line));

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
      if (attributeText.empty()) fatal(std::string(missingAttributeMessage) + quoted(line));
    }
  }
}

void readRecord(std::string_view line, Relation& relation) {
  // A comma at the end of the line ends the last value without starting another.
  if (!line.empty() && line.back() == ',') line.remove_suffix(1);
  const auto valueCount = static_cast<int>(std::count(line.begin(), line.end(), ',')) + 1;
  const int attributeCount = relation.getAttributeCount();
  if (valueCount > attributeCount) failSetValue();
  if (valueCount == attributeCount) {
    relation.appendRecordText(line);
  } else {
    relation.appendNewRecord(padValues(line, valueCount, attributeCount));
  }
}

}  // namespace qerix
