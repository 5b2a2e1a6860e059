#include "query/expression_parser.h"

#include <array>
#include <memory>
#include <string>

#include "algebra/antijoin_operator.h"
#include "algebra/divide_operator.h"
#include "algebra/intersect_operator.h"
#include "algebra/minus_operator.h"
#include "algebra/natural_join_operator.h"
#include "algebra/product_operator.h"
#include "algebra/project_operator.h"
#include "algebra/rename_operator.h"
#include "algebra/select_operator.h"
#include "algebra/semijoin_operator.h"
#include "algebra/table_operator.h"
#include "algebra/theta_join_operator.h"
#include "algebra/union_operator.h"
#include "model/fatal_error.h"
#include "text/nesting_limit.h"
#include "text/text_helpers.h"

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
  ExpressionParser(AlgebraTree& target, const RelationList& loaded, QueryLanguage queryLanguage)
      : tree(target), relations(loaded), language(queryLanguage) {}

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

  // A form of two operands and, after another comma at the top level, a
  // condition: the node without a condition, or ConditionNode with it.
  template <class Node, class ConditionNode>
  void parseWithOptionalCondition(const Operands& operands) {
    const std::size_t comma = findTopLevelComma(operands.second);
    if (comma == std::string_view::npos) {
      parseBinary<Node>(operands);
      return;
    }
    auto owned = std::make_unique<ConditionNode>();
    ConditionNode& node = *owned;
    auto& treeNode = tree.insertChild(std::move(owned));
    parseOperand(operands.first, operands);
    tree.setCurrent(&treeNode);
    parseOperand(operands.second.substr(0, comma), operands);
    node.setCondition(operands.second.substr(comma + 1));
  }

  bool knows(QueryLanguage keywordLanguage) const {
    return keywordLanguage == QueryLanguage::basic || language == QueryLanguage::extended;
  }

 private:
  void parseOperand(std::string_view text, const Operands& operands) {
    trim(text);
    if (text.empty()) fatal(emptyOperandMessage, operands.enclosing);
    parse(text, operands.depth);
  }

  AlgebraTree& tree;
  const RelationList& relations;
  QueryLanguage language;
};

// Each keyword with the way its form is parsed; any other head is a
// relation name.
struct Keyword {
  std::string_view name;
  void (ExpressionParser::*parseForm)(const ExpressionParser::Operands&);
  QueryLanguage language = QueryLanguage::basic;
};

using Parser = ExpressionParser;
constexpr QueryLanguage extended = QueryLanguage::extended;

constexpr std::array keywords = {
    Keyword{"union", &Parser::parseBinary<UnionOperator>},
    Keyword{"minus", &Parser::parseBinary<MinusOperator>},
    Keyword{"product", &Parser::parseBinary<ProductOperator>},
    Keyword{"select", &Parser::parseWithParameter<SelectOperator, &SelectOperator::setCondition>},
    Keyword{"project", &Parser::parseWithParameter<ProjectOperator, &ProjectOperator::setAttributeNames>},
    Keyword{"rename", &Parser::parseWithParameter<RenameOperator, &RenameOperator::setRenameList>},
    Keyword{"intersect", &Parser::parseBinary<IntersectOperator>, extended},
    Keyword{"join", &Parser::parseWithOptionalCondition<NaturalJoinOperator, ThetaJoinOperator>, extended},
    Keyword{"semijoin", &Parser::parseWithOptionalCondition<SemijoinOperator, SemijoinOperator>, extended},
    Keyword{"antijoin", &Parser::parseWithOptionalCondition<AntijoinOperator, AntijoinOperator>, extended},
    Keyword{"divide", &Parser::parseBinary<DivideOperator>, extended},
};

const Keyword* findKeyword(std::string_view head, const ExpressionParser& parser) {
  for (const Keyword& keyword : keywords) {
    if (keyword.name == head && parser.knows(keyword.language)) return &keyword;
  }
  return nullptr;
}

void ExpressionParser::parse(std::string_view text, int depth) {
  const KeywordForm form = splitKeywordForm(text);
  const Keyword* keyword = findKeyword(form.head, *this);
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

void parseExpression(AlgebraTree& tree, std::string_view text, const RelationList& relations, QueryLanguage language) {
  if (text.empty()) fatal(noQueryMessage);
  std::string_view query = text;
  trim(query);
  if (query.empty()) fatal(blankQueryMessage, text);
  ExpressionParser(tree, relations, language).parse(query, 1);
}

}  // namespace qerix
