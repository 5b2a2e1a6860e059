#ifndef QERIX_QUERY_PROGRAM_PARSER_H
#define QERIX_QUERY_PROGRAM_PARSER_H

#include <string_view>

#include "algebra/algebra_operator.h"
#include "model/relation.h"

namespace qerix {

// Builds the tree of a program (see program_text.h) below the tree's current
// node: for each statement "T <- E" a NamedResultOperator whose first operand
// is E and whose second is the rest of the program, down to the final query.
// A table reference to T in a later statement reads E's result, whatever
// relation of that name is loaded. Each expression is read in the notation
// it is written in. Ends the run with a message on a malformed program.
void parseProgram(AlgebraTree& tree, std::string_view text, const RelationList& relations);

// Whether a name cannot name a result: it is a keyword or operator word of
// the language, so a textbook query could not refer to it.
bool isReservedName(std::string_view name);

}  // namespace qerix

#endif  // QERIX_QUERY_PROGRAM_PARSER_H
