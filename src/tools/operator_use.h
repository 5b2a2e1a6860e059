#ifndef QERIX_TOOLS_OPERATOR_USE_H
#define QERIX_TOOLS_OPERATOR_USE_H

#include <string>
#include <string_view>
#include <vector>

#include "query/expression_parser.h"

namespace qerix {

// The operators a teacher's name stands for: the prefix keywords of every
// entry of the language table that one of its spellings names (a prefix
// keyword in any case, a textbook sign, an ASCII word or a LaTeX command).
// "ρ" names all three renames. Empty when the name is no operator's.
std::vector<std::string_view> operatorsNamed(std::string_view name);

// The prefix keywords of the operators a query uses, each once, in the
// order they first stand in the tree (each node before its operands). The
// query is parsed as written, without rewrites; a query that cannot be
// parsed ends with its message (a FatalError).
std::vector<std::string> operatorsUsed(std::string_view query, QueryLanguage language);

}  // namespace qerix

#endif  // QERIX_TOOLS_OPERATOR_USE_H
