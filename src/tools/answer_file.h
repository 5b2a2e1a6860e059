#ifndef QERIX_TOOLS_ANSWER_FILE_H
#define QERIX_TOOLS_ANSWER_FILE_H

#include <string>
#include <string_view>

#include "query/expression_parser.h"

namespace qerix {

// A student's answer as read from the file the student saved.
struct AnswerText {
  enum class State {
    query,       // `query` holds it
    unreadable,  // the file cannot be opened or read
    empty,       // the file holds no query: nothing but blanks and comments
  };
  State state = State::query;
  std::string query;
};

// Reads an answer as students save their files: a byte order mark at the
// start is dropped, so is the CR of a CR LF line end, and so is every comment
// line (one whose first non-blank characters are "#" or "--"). What is left
// is read as qerix reads an input file's query: the first non-empty line, or
// with `extended` a program over the lines after it. So a whole input file is
// an answer too.
AnswerText readAnswerFile(std::string_view path, QueryLanguage language);

// The same for the text of such a file.
AnswerText answerFromText(std::string_view text, QueryLanguage language);

}  // namespace qerix

#endif  // QERIX_TOOLS_ANSWER_FILE_H
