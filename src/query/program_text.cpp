#include "query/program_text.h"

#include <array>

#include "query/language_table.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

bool isNameByte(char character) {
  return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z') ||
         (character >= '0' && character <= '9') || character == '_';
}

bool isSpace(char character) { return character == ' ' || character == '\t' || character == '\r'; }

void trimSpaces(std::string_view& text, std::size_t& offset) {
  while (!text.empty() && isSpace(text.front())) {
    text.remove_prefix(1);
    ++offset;
  }
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
}

// The length of the assignment sign at the start of `text`, 0 if none.
std::size_t assignmentLength(std::string_view text) {
  std::array<std::string_view, 4> signs = {firstSpelling(assignmentSymbols), "<-", ":=", assignmentLatex};
  for (const std::string_view sign : signs) {
    if (!text.starts_with(sign)) continue;
    // "\leftarrowx" is another command.
    if (sign == assignmentLatex && text.size() > sign.size() && isNameByte(text[sign.size()])) continue;
    return sign.size();
  }
  return 0;
}

}  // namespace

ProgramStatement readStatement(std::string_view statement, std::size_t offset) {
  ProgramStatement read;
  trimSpaces(statement, offset);
  read.text = statement;
  read.expression = statement;
  read.offset = offset;
  std::size_t end = 0;
  while (end < statement.size() && isNameByte(statement[end])) ++end;
  if (end == 0 || (statement[0] >= '0' && statement[0] <= '9')) return read;
  std::size_t sign = end;
  while (sign < statement.size() && isSpace(statement[sign])) ++sign;
  const std::size_t length = assignmentLength(statement.substr(sign));
  if (length == 0) return read;
  read.name = statement.substr(0, end);
  std::string_view expression = statement.substr(sign + length);
  std::size_t expressionOffset = offset + sign + length;
  trimSpaces(expression, expressionOffset);
  read.expression = expression;
  read.offset = expressionOffset;
  return read;
}

bool startsProgram(std::string_view text) {
  const std::size_t lineEnd = text.find('\n');
  return !readStatement(text.substr(0, lineEnd), 0).name.empty();
}

std::vector<ProgramStatement> splitProgram(std::string_view text) {
  std::vector<ProgramStatement> statements;
  std::size_t begin = 0;
  int depth = 0;
  bool quoted = false;
  const auto endStatement = [&](std::size_t end) {
    const ProgramStatement statement = readStatement(text.substr(begin, end - begin), begin);
    if (!statement.text.empty()) statements.push_back(statement);
    begin = end + 1;
    depth = 0;
    quoted = false;
  };
  for (std::size_t index = 0; index < text.size(); ++index) {
    const char character = text[index];
    if (character == '\n') {
      endStatement(index);
    } else if (quoted) {
      quoted = character != '\'';
    } else if (character == '(' || character == '{') {
      ++depth;
    } else if (character == ')' || character == '}') {
      --depth;
    } else if (character == '\'' && depth == 0) {
      quoted = true;
    } else if (character == ';' && depth <= 0) {
      endStatement(index);
    }
  }
  endStatement(text.size());
  return statements;
}

bool continuesProgram(std::string_view text) {
  std::string_view lastLine = text.substr(text.rfind('\n') + 1);
  std::size_t ignored = 0;
  trimSpaces(lastLine, ignored);
  if (lastLine.ends_with(';')) return true;
  const std::vector<ProgramStatement> statements = splitProgram(lastLine);
  return !statements.empty() && !statements.back().name.empty();
}

}  // namespace qerix
