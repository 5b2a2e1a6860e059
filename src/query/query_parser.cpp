#include "query/query_parser.h"

#include "query/program_parser.h"
#include "query/program_text.h"

namespace qerix {

void parseQuery(AlgebraTree& tree, std::string_view text, const RelationList& relations, QueryLanguage language) {
  if (language == QueryLanguage::extended && startsProgram(text)) {
    parseProgram(tree, text, relations);
    return;
  }
  parseExpression(tree, text, relations, language);
}

}  // namespace qerix
