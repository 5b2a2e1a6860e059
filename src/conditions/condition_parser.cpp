#include "conditions/condition_parser.h"

#include <array>
#include <memory>
#include <string>

#include "conditions/comparison_operators.h"
#include "conditions/logical_operators.h"
#include "model/fatal_error.h"
#include "text/nesting_limit.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

constexpr std::string_view emptyConditionMessage = "Hibas feltetel, ures feltetel vagy argumentum: ";
constexpr std::string_view missingCommaMessage = "Hibas feltetel, hianyzik a vesszo az argumentumok kozul: ";
constexpr std::string_view missingParenthesisMessage = "Hibas feltetel, a kulcsszo utan hianyzik a zarojel: ";
constexpr std::string_view missingConditionMessage = "Hibas feltetel, hianyzik a reszfeltetel: ";
constexpr std::string_view tooDeepMessage = "Tul melyen egymasba agyazott feltetel (legfeljebb 1000 szint): ";

enum class Children { none, left, both };  // the child conditions a node reads

struct Keyword {
  std::string_view name;
  Children needs;
  std::unique_ptr<LogicalOperator> (*create)();
};

template <class Node>
std::unique_ptr<LogicalOperator> make() {
  return std::make_unique<Node>();
}

constexpr std::array keywords = {
    Keyword{"EQ", Children::none, make<EqOperator>},   Keyword{"NEQ", Children::none, make<NeqOperator>},
    Keyword{"LT", Children::none, make<LtOperator>},   Keyword{"LTE", Children::none, make<LteOperator>},
    Keyword{"GT", Children::none, make<GtOperator>},   Keyword{"GTE", Children::none, make<GteOperator>},
    Keyword{"AND", Children::both, make<AndOperator>}, Keyword{"OR", Children::both, make<OrOperator>},
    Keyword{"NOT", Children::left, make<NotOperator>},
};

const Keyword* findKeyword(std::string_view name) {
  for (const Keyword& keyword : keywords) {
    if (keyword.name == name) return &keyword;
  }
  return nullptr;
}

bool hasChildren(const TreeNode<LogicalOperator>& node, Children needs) {
  switch (needs) {
    case Children::none:
      return true;
    case Children::left:
      return node.left != nullptr;
    case Children::both:
      return node.left != nullptr && node.right != nullptr;
  }
  return true;
}

void parseArgument(ConditionTree& tree, std::string_view text, std::string_view call, int depth);

// One condition or operand, trimmed and not empty.
void parseTrimmed(ConditionTree& tree, std::string_view text, int depth) {
  const KeywordForm form = splitKeywordForm(text);
  const Keyword* keyword = findKeyword(form.head);
  if (!keyword) {
    tree.getCurrent()->payload->addOperand(text);
    return;
  }
  if (!form.hasParenthesis) fatal(missingParenthesisMessage, text);
  if (depth > maxNestingDepth) fatal(tooDeepMessage, text);

  TreeNode<LogicalOperator>& node = tree.insertChild(keyword->create());
  const std::size_t comma = findTopLevelComma(form.inner);
  if (comma == std::string_view::npos) {
    // NOT(c): the single-argument form of NOT.
    if (keyword->needs != Children::left) fatal(missingCommaMessage, text);
    parseArgument(tree, form.inner, text, depth + 1);
  } else {
    parseArgument(tree, form.inner.substr(0, comma), text, depth + 1);
    tree.setCurrent(&node);
    parseArgument(tree, form.inner.substr(comma + 1), text, depth + 1);
  }
  if (!hasChildren(node, keyword->needs)) fatal(missingConditionMessage, text);
}

void parseArgument(ConditionTree& tree, std::string_view text, std::string_view call, int depth) {
  trim(text);
  if (text.empty()) fatal(emptyConditionMessage, call);
  parseTrimmed(tree, text, depth);
}

}  // namespace

void parseCondition(ConditionTree& tree, std::string_view text) {
  TreeNode<LogicalOperator>* const start = tree.getCurrent();
  std::string_view condition = text;
  trim(condition);
  if (condition.empty()) fatal(emptyConditionMessage, text);
  parseTrimmed(tree, condition, 1);
  // A bare operand gives the node above it no condition to take its value from.
  if (!start->left) fatal(missingConditionMessage, condition);
}

}  // namespace qerix
