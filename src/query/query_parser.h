#ifndef QERIX_QUERY_QUERY_PARSER_H
#define QERIX_QUERY_QUERY_PARSER_H

#include <string_view>

#include "algebra/algebra_operator.h"
#include "model/relation.h"
#include "query/expression_parser.h"

namespace qerix {

// Builds the operator tree of a query text below the tree's current node, in
// the given language. The one door from a query's text to its tree: the
// pipeline of every program comes through here, whichever notation reads the
// text. Table references look their relation up in `relations` when they are
// evaluated, so the list may still be empty (and filled before evaluation).
// Ends the run with a message on malformed text.
void parseQuery(AlgebraTree& tree, std::string_view text, const RelationList& relations, QueryLanguage language);

}  // namespace qerix

#endif  // QERIX_QUERY_QUERY_PARSER_H
