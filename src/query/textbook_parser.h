#ifndef QERIX_QUERY_TEXTBOOK_PARSER_H
#define QERIX_QUERY_TEXTBOOK_PARSER_H

#include <string>
#include <string_view>
#include <vector>

#include "query/expression_parser.h"
#include "query/textbook_syntax.h"

namespace qerix {

// Reads a query written as the textbooks write it (Greek signs, ASCII words
// or LaTeX commands, see the language table) and gives the same query in the
// prefix notation, so that both build the same nodes with the same texts.
// Binary operators are infix and left-associative; unary ones take their
// argument as a subscript _{...} or just before their operand. Ends the run
// with one message naming the line and column of the first fault: what stood
// there and what was expected, or a literal the prefix notation cannot hold.
// `notes`, when given, receives what each relation name and condition operand
// is, in the order the prefix query writes them (see applyTextbookNotes).
std::string translateTextbook(std::string_view text, std::vector<SourceNote>* notes = nullptr);
// The same for the part of `text` from `begin` on (a statement of a program),
// with the positions in messages counted from the text's start.
std::string translateTextbook(std::string_view text, std::size_t begin, std::vector<SourceNote>* notes = nullptr);

// The query in the prefix notation: with -x a textbook query translated ("" when
// it does not translate), any other as it stands. What the forms' texts are cut from.
std::string prefixTextOf(std::string_view query, QueryLanguage language);

// With -x: whether a query is written in the textbook notation. A query that
// begins with a prefix keyword and its "(" is not; any other is when it
// holds a byte outside ASCII, a "\", "_{", "'", "<-" or ":=", the word sigma,
// pi or rho, two words side by side, or a binary operator word (or "-") with
// a blank or ")" before it.
bool isTextbookQuery(std::string_view text);

// Whether a text literal stays one operand of the prefix notation: no bytes
// that split it, no blank at either end, and not a condition keyword, which
// would be read as one.
bool fitsPrefixOperand(std::string_view literal);

}  // namespace qerix

#endif  // QERIX_QUERY_TEXTBOOK_PARSER_H
