#include "query/query_parser.h"

namespace qerix {

void parseQuery(AlgebraTree& tree, std::string_view text, const RelationList& relations, QueryLanguage language) {
  parseExpression(tree, text, relations, language);
}

}  // namespace qerix
