#include "query/expression_parser.h"

#include <algorithm>
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

constexpr std::array keywords = {std::string_view("union"),  std::string_view("minus"),   std::string_view("product"),
                                 std::string_view("select"), std::string_view("project"), std::string_view("rename")};

bool isKeyword(std::string_view name) { return std::find(keywords.begin(), keywords.end(), name) != keywords.end(); }

class ExpressionParser {
 public:
  ExpressionParser(AlgebraTree& target, const RelationList& loaded) : tree(target), relations(loaded) {}

  // A trimmed, non-empty expression.
  void parse(std::string_view text, int depth) {
    const KeywordForm form = splitKeywordForm(text);
    if (!isKeyword(form.head)) {
      auto table = std::make_unique<TableOperator>(relations);
      table->setName(text);
      tree.insertChild(std::move(table));
      return;
    }
    if (!form.hasParenthesis) fatal(missingParenthesisMessage, text);
    if (depth > maxNestingDepth) fatal(tooDeepMessage, text);
    const std::size_t comma = findTopLevelComma(form.inner);
    if (comma == std::string_view::npos) fatal(missingCommaMessage, text);
    const std::string_view first = form.inner.substr(0, comma);
    const std::string_view rest = form.inner.substr(comma + 1);
    const Operands operands{first, rest, text, depth + 1};

    if (form.head == "select") {
      parseWithParameter<SelectOperator>(operands, &SelectOperator::setCondition);
    } else if (form.head == "project") {
      parseWithParameter<ProjectOperator>(operands, &ProjectOperator::setAttributeNames);
    } else if (form.head == "rename") {
      parseWithParameter<RenameOperator>(operands, &RenameOperator::setRenameList);
    } else if (form.head == "union") {
      parseBinary<UnionOperator>(operands);
    } else if (form.head == "minus") {
      parseBinary<MinusOperator>(operands);
    } else {
      parseBinary<ProductOperator>(operands);
    }
  }

 private:
  // The two argument texts of a keyword form, not yet trimmed.
  struct Operands {
    std::string_view first;
    std::string_view second;
    std::string_view enclosing;  // the whole form, for messages
    int depth;
  };

  void parseOperand(std::string_view text, const Operands& operands) {
    trim(text);
    if (text.empty()) fatal(emptyOperandMessage, operands.enclosing);
    parse(text, operands.depth);
  }

  template <class Node>
  void parseBinary(const Operands& operands) {
    auto& node = tree.insertChild(std::make_unique<Node>());
    parseOperand(operands.first, operands);
    tree.setCurrent(&node);
    parseOperand(operands.second, operands);
  }

  // The parameter goes to the node once its operand's subtree is complete.
  template <class Node>
  void parseWithParameter(const Operands& operands, void (Node::*setParameter)(std::string_view)) {
    auto owned = std::make_unique<Node>();
    Node& node = *owned;
    tree.insertChild(std::move(owned));
    parseOperand(operands.first, operands);
    (node.*setParameter)(operands.second);
  }

  AlgebraTree& tree;
  const RelationList& relations;
};

}  // namespace

void parseExpression(AlgebraTree& tree, std::string_view text, const RelationList& relations) {
  if (text.empty()) fatal(noQueryMessage);
  std::string_view query = text;
  trim(query);
  if (query.empty()) fatal(blankQueryMessage, text);
  ExpressionParser(tree, relations).parse(query, 1);
}

}  // namespace qerix
