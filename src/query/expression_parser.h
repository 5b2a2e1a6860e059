#ifndef QERIX_QUERY_EXPRESSION_PARSER_H
#define QERIX_QUERY_EXPRESSION_PARSER_H

#include <string_view>

#include "algebra/algebra_operator.h"
#include "model/relation.h"

namespace qerix {

// The basic language, or the one with the textbook operators as well
// (qerix -x): intersect(E1,E2), join(E1,E2) and join(E1,E2,C),
// semijoin(E1,E2[,C]), antijoin(E1,E2[,C]) and divide(E1,E2), and where a
// condition operand or a project list names no attribute exactly, "R.a"
// names the attribute a that came from R. In the basic language these
// keywords are relation names like any other text.
enum class QueryLanguage { basic, extended };

// Parses a query below the tree's current node: a relation name, or one of
// union(E1,E2), minus(E1,E2), product(E1,E2), select(E,condition),
// project(E,a,b,...) and rename(E,N(a,b,...)), nested freely. Keywords are
// lower-case and take their "(" at once; any other text names a relation.
// Ends the run with a message on malformed text: an empty or blank query or
// operand, a keyword form without its comma or "(", a malformed parameter, or
// nesting deeper than maxNestingDepth.
void parseExpression(AlgebraTree& tree, std::string_view text, const RelationList& relations,
                     QueryLanguage language = QueryLanguage::basic);

}  // namespace qerix

#endif  // QERIX_QUERY_EXPRESSION_PARSER_H
