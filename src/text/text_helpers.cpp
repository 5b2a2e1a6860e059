#include "text/text_helpers.h"

namespace qerix {

void trim(std::string_view& text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    text = text.substr(0, 0);
    return;
  }
  text = text.substr(start, text.find_last_not_of(' ') - start + 1);
}

bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text) {
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::size_t findByteAtDepth(std::string_view text, std::size_t from, char byte, std::int64_t depth) {
  std::int64_t current = 0;
  for (std::size_t position = from; position < text.size(); ++position) {
    const char character = text[position];
    if (character == byte && current == depth) return position;
    if (character == '(') ++current;
    if (character == ')') --current;
  }
  return std::string_view::npos;
}

std::size_t findTopLevelComma(std::string_view text) { return findByteAtDepth(text, 0, ',', 0); }

KeywordForm splitKeywordForm(std::string_view text) {
  const std::size_t open = text.find('(');
  if (open == std::string_view::npos) return {text, {}, false};
  const std::size_t innerStart = open + 1;
  const std::size_t innerEnd = text.size() - 1;  // the last byte is dropped
  const std::string_view inner =
      innerEnd > innerStart ? text.substr(innerStart, innerEnd - innerStart) : text.substr(innerStart, 0);
  return {text.substr(0, open), inner, true};
}

}  // namespace qerix
