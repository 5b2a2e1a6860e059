#ifndef QERIX_QUERY_PROGRAM_TEXT_H
#define QERIX_QUERY_PROGRAM_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qerix {

// A query of named results (with -x): statements "T <- E" (also "T := E",
// "T ← E", "T \leftarrow E"), then the final query, separated by ";" or line
// ends. A ";" inside parentheses, braces or a quoted text belongs to the
// expression; a line end always ends a statement.

// One statement; its texts point into the program.
struct ProgramStatement {
  std::string_view name;        // empty for the final query
  std::string_view expression;  // trimmed
  std::size_t offset = 0;       // of the expression's first byte in the program
  std::string_view text;        // the whole statement, trimmed, for messages
};

// Whether a query is a program: it begins with a name and an assignment.
bool startsProgram(std::string_view text);

// The statements of a program, blank ones left out.
std::vector<ProgramStatement> splitProgram(std::string_view text);

// Whether the next input line still belongs to a program read so far: its
// last statement is an assignment, or its last line ends with ";".
bool continuesProgram(std::string_view text);

// The name and expression of a statement "T <- E"; no name when the
// statement is no assignment.
ProgramStatement readStatement(std::string_view statement, std::size_t offset);

}  // namespace qerix

#endif  // QERIX_QUERY_PROGRAM_TEXT_H
