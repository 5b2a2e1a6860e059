#ifndef QERIX_QUERY_TEXTBOOK_LEXER_H
#define QERIX_QUERY_TEXTBOOK_LEXER_H

#include <cstddef>
#include <string>
#include <string_view>

namespace qerix {

// One piece of a query in the textbook notation. Its text points into the
// query, as the parser reads it once from left to right.
struct Token {
  enum class Kind {
    word,      // a name or an ASCII operator word: letters, digits and "_"
    number,    // digits, perhaps with a decimal point
    quoted,    // 'text': the text without its quotes
    command,   // a LaTeX command: "\" and letters
    sign,      // anything else: ( ) , . { } _{ ; and the operator signs
    lineEnd,   // ends a statement of a program
    end,
    unclosedQuote,
  };
  Kind kind = Kind::end;
  std::string_view text;
  std::size_t offset = 0;     // of the token's first byte in the query
  bool blankBefore = false;   // whether a blank or line end came just before it
};

// Cuts a query into tokens on demand. Blanks and tabs separate tokens; a line
// end is a token of its own only where programs are read.
class TextbookLexer {
 public:
  // Reads from `start` on; positions count from the text's first byte.
  TextbookLexer(std::string_view queryText, bool lineEndsAreTokens, std::size_t start = 0);

  const Token& peek() const { return current; }
  Token next();  // the current token; reads the one after it

  std::string_view getText() const { return text; }

 private:
  Token read();

  std::string_view text;
  bool lineEnds;
  std::size_t start;
  std::size_t position;
  Token current;
};

// "L. sor C. oszlop" of byte offsets: lines and characters counted from 1, a
// UTF-8 sequence counting as one character. Offsets asked for in increasing
// order cost one walk over the text in all.
class PositionCounter {
 public:
  explicit PositionCounter(std::string_view counted) : text(counted) {}
  std::string describe(std::size_t offset);  // not below the offset asked before

 private:
  std::string_view text;
  std::size_t index = 0;
  std::size_t line = 1;
  std::size_t column = 1;
};

// The same for one offset.
std::string describePosition(std::string_view text, std::size_t offset);

}  // namespace qerix

#endif  // QERIX_QUERY_TEXTBOOK_LEXER_H
