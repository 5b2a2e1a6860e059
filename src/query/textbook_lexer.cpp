#include "query/textbook_lexer.h"

#include <array>

#include "model/message_catalogue.h"

namespace qerix {

namespace {

bool isLetter(char character) {
  return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
}
bool isDigit(char character) { return character >= '0' && character <= '9'; }
bool isWordByte(char character) { return isLetter(character) || isDigit(character) || character == '_'; }

// Signs of two ASCII bytes, tried before the single bytes.
constexpr std::array pairedSigns = {std::string_view("_{"), std::string_view("<="), std::string_view(">="),
                                    std::string_view("!="), std::string_view("<>"), std::string_view("<-"),
                                    std::string_view(":=")};

// The length of the UTF-8 sequence a byte starts; 1 for a byte that starts none.
std::size_t sequenceLength(unsigned char byte) {
  if (byte >= 0xF0 && byte < 0xF8) return 4;
  if (byte >= 0xE0) return byte < 0xF0 ? 3 : 1;
  if (byte >= 0xC0) return 2;
  return 1;
}

}  // namespace

TextbookLexer::TextbookLexer(std::string_view queryText, bool lineEndsAreTokens, std::size_t startOffset)
    : text(queryText), lineEnds(lineEndsAreTokens), start(startOffset), position(startOffset) {
  current = read();
}

Token TextbookLexer::next() {
  Token taken = current;
  if (taken.kind != Token::Kind::end && taken.kind != Token::Kind::unclosedQuote) current = read();
  return taken;
}

Token TextbookLexer::read() {
  Token token;
  const std::size_t before = position;
  while (position < text.size()) {
    const char character = text[position];
    if (character == ' ' || character == '\t' || character == '\r' || (character == '\n' && !lineEnds)) {
      ++position;
    } else {
      break;
    }
  }
  token.blankBefore = position > before || position == start;
  token.offset = position;
  if (position >= text.size()) return token;
  const char first = text[position];
  std::size_t end = position + 1;
  if (first == '\n') {
    token.kind = Token::Kind::lineEnd;
  } else if (first == '_' && end < text.size() && text[end] == '{') {
    token.kind = Token::Kind::sign;
    end = position + 2;
  } else if (isWordByte(first) && !isDigit(first)) {
    token.kind = Token::Kind::word;
    // "_{" after a word begins its subscript.
    while (end < text.size() && isWordByte(text[end]) && !(text[end] == '_' && end + 1 < text.size() && text[end + 1] == '{')) {
      ++end;
    }
  } else if (isDigit(first)) {
    token.kind = Token::Kind::number;
    while (end < text.size() && isDigit(text[end])) ++end;
    if (end + 1 < text.size() && text[end] == '.' && isDigit(text[end + 1])) {
      ++end;
      while (end < text.size() && isDigit(text[end])) ++end;
    }
  } else if (first == '\'') {
    const std::size_t close = text.find('\'', end);
    if (close == std::string_view::npos) {
      token.kind = Token::Kind::unclosedQuote;
      token.text = text.substr(position);
      position = text.size();
      return token;
    }
    token.kind = Token::Kind::quoted;
    token.text = text.substr(end, close - end);
    position = close + 1;
    return token;
  } else if (first == '\\') {
    token.kind = Token::Kind::command;
    while (end < text.size() && isLetter(text[end])) ++end;
  } else {
    token.kind = Token::Kind::sign;
    for (const std::string_view sign : pairedSigns) {
      if (text.substr(position, 2) == sign) end = position + 2;
    }
    if (end == position + 1) end = position + sequenceLength(static_cast<unsigned char>(first));
    if (end > text.size()) end = text.size();
  }
  token.text = text.substr(position, end - position);
  position = end;
  return token;
}

std::string describePosition(std::string_view text, std::size_t offset) {
  return PositionCounter(text).describe(offset);
}

std::string PositionCounter::describe(std::size_t offset) {
  for (; index < offset && index < text.size(); ++index) {
    const auto byte = static_cast<unsigned char>(text[index]);
    if (byte == '\n') {
      ++line;
      column = 1;
    } else if ((byte & 0xC0) != 0x80) {
      ++column;
    }
  }
  return textOf(Text::lineAndColumn, {std::to_string(line), std::to_string(column)});
}

}  // namespace qerix
