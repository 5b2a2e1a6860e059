#include "tools/counterexample_input.h"

#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "driver/line_reader.h"
#include "driver/relation_loader.h"
#include "model/decimal.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/null_value.h"
#include "model/record_values.h"

namespace qerix {

namespace {

// Every piece is written as the loader reads it, and then read back with the
// loader's own functions: a piece that reads otherwise makes no file, rather
// than a file that shows another data set than the one the answer failed on.

// The answer's lines. The line reader drops one carriage return at a line's
// end, so a line that ends with one gets one more.
std::optional<std::string> queryLines(std::string_view answer, bool extended) {
  std::string written;
  for (std::size_t start = 0;;) {
    const std::size_t end = answer.find('\n', start);
    const std::string_view line = answer.substr(start, end == std::string_view::npos ? end : end - start);
    written += line;
    if (!line.empty() && line.back() == '\r') written += '\r';
    if (end == std::string_view::npos) break;
    written += '\n';
    start = end + 1;
  }
  // Read back as the start of a file: the query, then a relation's header.
  constexpr std::string_view nextHeader = "(a int)";
  std::istringstream file(written + "\n\n" + std::string(nextHeader) + "\n");
  std::ostream discard(nullptr);
  LineReader reader(file, discard);
  const std::string readQueryText = readQuery(reader, extended);
  std::string_view nextLine;
  if (readQueryText != answer || !reader.readNonEmptyLine(nextLine) || nextLine != nextHeader) return std::nullopt;
  return written;
}

// The header line: the name as loaded, then each attribute's name and type.
std::string headerLine(const Relation& relation) {
  const AttributeList& attributes = relation.getAttributes();
  std::string line = relation.getName() + "(";
  for (int position = 1; position <= attributes.getAttributeCount(); ++position) {
    if (position > 1) line += ", ";
    line += attributes.getAttributeName(position);
    line += ' ';
    line += attributes.getAttributeType(position);
  }
  line += ')';
  return line;
}

// Whether readHeader reads the line back into the relation's name, attributes,
// types and origins.
bool headerReadsBack(const std::string& line, const Relation& relation, bool extended) {
  if (line.find('\n') != std::string::npos) return false;
  Relation readBack;
  try {
    readHeader(line, readBack);
  } catch (const FatalError&) {
    return false;
  }
  if (extended) readBack.readDecimalTypes();
  const AttributeList& attributes = relation.getAttributes();
  const AttributeList& read = readBack.getAttributes();
  if (readBack.getName() != relation.getName() || read.getAttributeCount() != attributes.getAttributeCount() ||
      read.getQualifiedNames() != attributes.getQualifiedNames()) {
    return false;
  }
  for (int position = 1; position <= attributes.getAttributeCount(); ++position) {
    if (read.getAttributeName(position) != attributes.getAttributeName(position) ||
        read.getAttributeType(position) != attributes.getAttributeType(position) ||
        read.getKind(position) != attributes.getKind(position)) {
      return false;
    }
  }
  return true;
}

// A record's line, if the loader reads it back into the same record text.
class RecordLineWriter {
 public:
  RecordLineWriter(const Relation& relation, bool readsEscapes)
      : attributes(relation.getAttributes()), extended(readsEscapes) {}

  std::optional<std::string> lineOf(std::string_view values) {
    line.clear();
    if (extended) {
      splitValues(values, attributes.getAttributeCount(), split);
      for (std::size_t index = 0; index < split.size(); ++index) {
        if (index > 0) line += ',';
        appendWrittenValue(line, split[index]);
      }
    } else {
      line = values;
    }
    // A comma at a line's end ends the last value without starting another:
    // so an empty line (which would end the relation) and a carriage return
    // at the end (which the line reader drops) become record lines that keep
    // the value.
    if (line.empty() || line.back() == '\r') line += ',';
    if (line.find('\n') != std::string::npos || !readsBackAs(values) || !holdsItsTypes(values)) return std::nullopt;
    return line;
  }

 private:
  // Whether the loader makes the line into this record text.
  bool readsBackAs(std::string_view values) {
    const std::optional<std::string_view> text = recordText(line, attributes.getAttributeCount(), padded);
    if (!text) return false;
    if (!extended || !holdsEscapedValue(*text)) return *text == values;
    readWrittenValues(*text, unescaped);
    return unescaped == values;
  }

  // Whether each value of a decimal attribute is one, as the loader requires.
  bool holdsItsTypes(std::string_view values) {
    splitValues(values, attributes.getAttributeCount(), split);
    for (int position = 1; position <= attributes.getAttributeCount(); ++position) {
      const std::string_view value = split[indexOf(position)];
      if (attributes.isDecimal(position) && !isNull(value) && !parseDecimal(value)) return false;
    }
    return true;
  }

  const AttributeList& attributes;
  bool extended;
  std::string line;
  std::string padded;
  std::string unescaped;
  std::vector<std::string_view> split;
};

CounterexampleInput notWritable(std::string_view piece) {
  return {"", textOf(Text::counterexampleNotWritable, {quotedText(piece)})};
}

}  // namespace

CounterexampleInput counterexampleInput(std::string_view answer, const Counterexample& example,
                                        QueryLanguage language) {
  const bool extended = language == QueryLanguage::extended;
  const std::optional<std::string> query = queryLines(answer, extended);
  if (!query) return notWritable(answer);
  std::string text = *query + "\n";
  for (const auto& relation : example.relations) {
    const std::string header = headerLine(*relation);
    if (!headerReadsBack(header, *relation, extended)) return notWritable(header);
    text += '\n';
    text += header;
    text += '\n';
    RecordLineWriter writer(*relation, extended);
    for (RecordScanner scanner(*relation); scanner.next();) {
      const std::string_view values = scanner.getCurrent().getValues();
      const std::optional<std::string> line = writer.lineOf(values);
      if (!line) return notWritable(values);
      text += *line;
      text += '\n';
    }
  }
  return {std::move(text), ""};
}

}  // namespace qerix
