#include "query/expression_parser.h"

#include <array>
#include <memory>
#include <string>

#include "algebra/minus_operator.h"
#include "algebra/product_operator.h"
#include "algebra/project_operator.h"
#include "algebra/rename_operator.h"
#include "algebra/select_operator.h"
#include "algebra/table_operator.h"
#include "algebra/union_operator.h"
#include "model/fatal_error.h"
#include "query/nesting_limit.h"
#include "query/text_helpers.h"

namespace qerix {

namespace {

constexpr std::string_view noQueryMessage = "Hianyzik a lekerdezes: az input file-ban nincs nem ures sor.";
constexpr std::string_view blankQueryMessage = "Ures a lekerdezes: ";
constexpr std::string_view emptyOperandMessage = "Hibas kifejezes, ures operandus: ";
constexpr std::string_view missingCommaMessage = "Hibas kifejezes, hianyzik a vesszo az argumentumok kozul: ";
constexpr std::string_view missingParenthesisMessage = "Hibas kifejezes, a kulcsszo utan hianyzik a zarojel: ";
constexpr std::string_view tooDeepMessage = "Tul melyen egymasba agyazott kifejezes (legfeljebb 1000 szint): ";

class ExpressionParser {
 public:
  ExpressionParser(AlgebraTree& target, const RelationList& loaded) : tree(target), relations(loaded) {}

  // A trimmed, non-empty expression.
  void parse(std::string_view text, int depth);

  // The two argument texts of a keyword form, not yet trimmed.
  struct Operands {
    std::string_view first;
    std::string_view second;
    std::string_view enclosing;  // the whole form, for messages
    int depth;
  };

  template <class Node>
  void parseBinary(const Operands& operands) {
    auto& node = tree.insertChild(std::make_unique<Node>());
    parseOperand(operands.first, operands);
    tree.setCurrent(&node);
    parseOperand(operands.second, operands);
  }

  // The parameter goes to the node once its operand's subtree is complete.
  template <class Node, void (Node::*setParameter)(std::string_view)>
  void parseWithParameter(const Operands& operands) {
    auto owned = std::make_unique<Node>();
    Node& node = *owned;
    tree.insertChild(std::move(owned));
    parseOperand(operands.first, operands);
    (node.*setParameter)(operands.second);
  }

 private:
  void parseOperand(std::string_view text, const Operands& operands) {
    trim(text);
    if (text.empty()) fatal(emptyOperandMessage, operands.enclosing);
    parse(text, operands.depth);
  }

  AlgebraTree& tree;
  const RelationList& relations;
};

// Each keyword with the way its form is parsed; any other head is a
// relation name.
struct Keyword {
  std::string_view name;
  void (ExpressionParser::*parseForm)(const ExpressionParser::Operands&);
};

constexpr std::array keywords = {
    Keyword{"union", &ExpressionParser::parseBinary<UnionOperator>},
    Keyword{"minus", &ExpressionParser::parseBinary<MinusOperator>},
    Keyword{"product", &ExpressionParser::parseBinary<ProductOperator>},
    Keyword{"select", &ExpressionParser::parseWithParameter<SelectOperator, &SelectOperator::setCondition>},
    Keyword{"project", &ExpressionParser::parseWithParameter<ProjectOperator, &ProjectOperator::setAttributeNames>},
    Keyword{"rename", &ExpressionParser::parseWithParameter<RenameOperator, &RenameOperator::setRenameList>},
};

const Keyword* findKeyword(std::string_view head) {
  for (const Keyword& keyword : keywords) {
    if (keyword.name == head) return &keyword;
  }
  return nullptr;
}

void ExpressionParser::parse(std::string_view text, int depth) {
  const KeywordForm form = splitKeywordForm(text);
  const Keyword* keyword = findKeyword(form.head);
  if (!keyword) {
    auto table = std::make_unique<TableOperator>(relations);
    table->setName(text);
    tree.insertChild(std::move(table));
    return;
  }
  if (!form.hasParenthesis) fatal(missingParenthesisMessage, text);
  if (depth > maxNestingDepth) fatal(tooDeepMessage, text);
  const std::size_t comma = findTopLevelComma(form.inner);
  if (comma == std::string_view::npos) fatal(missingCommaMessage, text);
  const Operands operands{form.inner.substr(0, comma), form.inner.substr(comma + 1), text, depth + 1};
  (this->*keyword->parseForm)(operands);
}

}  // namespace

void parseExpression(AlgebraTree& tree, std::string_view text, const RelationList& relations) {
  if (text.empty()) fatal(noQueryMessage);
  std::string_view query = text;
  trim(query);
  if (query.empty()) fatal(blankQueryMessage, text);
  ExpressionParser(tree, relations).parse(query, 1);
}

}  // namespace qerix
