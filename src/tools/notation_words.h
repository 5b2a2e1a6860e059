#ifndef QERIX_TOOLS_NOTATION_WORDS_H
#define QERIX_TOOLS_NOTATION_WORDS_H

#include <string>
#include <string_view>

namespace qerix {

// What the textbook notation reads as one name, number or literal, for
// writing a query in it (tree_notation.h).

// A word of the textbook notation: a letter or "_", then letters, digits, "_".
bool isPlainWord(std::string_view text);
// A plain word that is no keyword or operator word, so it can name something.
bool isNameWord(std::string_view text);
// A name the textbook notation reads as one, plain or qualified (R.a).
bool isWrittenName(std::string_view text);
// A number as the textbook notation reads one: digits, perhaps "-" before
// them and a decimal part after them.
bool isNumberText(std::string_view text);
// A literal the textbook notation can quote: one the prefix notation holds,
// with no quote or line end inside its quotes.
bool isQuotable(std::string_view literal);
// The text for LaTeX: in math mode a blank needs its command; in \text it
// is itself.
std::string latexEscaped(std::string_view text, bool math = true);

}  // namespace qerix

#endif  // QERIX_TOOLS_NOTATION_WORDS_H
