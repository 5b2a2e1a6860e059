#ifndef QERIX_TEXT_TEXT_HELPERS_H
#define QERIX_TEXT_TEXT_HELPERS_H

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qerix {

// The text rules shared by the query, condition and header parsers. Only the
// blank (0x20), "(", ")" and "," are special; tabs are ordinary bytes.

// Removes blanks from both ends; an all-blank text becomes empty.
void trim(std::string_view& text);

bool isBlank(std::string_view text);  // empty or blanks only

// How many characters the UTF-8 text holds: its bytes that start one.
std::size_t characterCount(std::string_view text);

// The position of the first comma outside parentheses, npos if none. A ")"
// without its "(" lowers the depth below zero, where commas do not count.
std::size_t findTopLevelComma(std::string_view text);
// The position of the first `byte` at or after `from` that has `depth` more
// "(" than ")" between `from` and it, read byte by byte; npos if none.
std::size_t findByteAtDepth(std::string_view text, std::size_t from, char byte, std::int64_t depth);

// A text of the form head(inner): the head is the text before the first "(",
// the inner text runs from after it to the text's last byte, which is dropped
// unexamined (in a well-formed text it is the matching ")").
struct KeywordForm {
  std::string_view head;
  std::string_view inner;
  bool hasParenthesis = false;
};
KeywordForm splitKeywordForm(std::string_view text);

}  // namespace qerix

#endif  // QERIX_TEXT_TEXT_HELPERS_H
