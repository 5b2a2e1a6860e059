#include "conditions/condition_parser.h"

#include <memory>
#include <string>

#include "conditions/condition_table.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "text/nesting_index.h"
#include "text/nesting_limit.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

// Whether the node has the child conditions its form reads.
bool hasChildren(const TreeNode<LogicalOperator>& node, ConditionForm form) {
  switch (form) {
    case ConditionForm::comparison:
      return true;
    case ConditionForm::negation:
      return node.left != nullptr;
    case ConditionForm::both:
    case ConditionForm::either:
      return node.left != nullptr && node.right != nullptr;
  }
  return true;
}

void parseArgument(ConditionTree& tree, std::string_view text, std::string_view call, int depth,
                   const NestingIndex& commas);

// One condition or operand, trimmed and not empty; `commas` indexes the whole condition.
void parseTrimmed(ConditionTree& tree, std::string_view text, int depth, const NestingIndex& commas) {
  const KeywordForm form = splitKeywordForm(text);
  const ConditionEntry* keyword = findConditionKeyword(form.head);
  if (!keyword) {
    tree.getCurrent()->payload->addOperand(text);
    return;
  }
  if (!form.hasParenthesis) fatal(textOf(Text::conditionMissingParenthesisMessage), text);
  if (depth > maxNestingDepth) fatal(textOf(Text::conditionTooDeepMessage), text);

  TreeNode<LogicalOperator>& node = tree.insertChild(keyword->make());
  const std::size_t comma = findTopLevelComma(commas, form.inner);
  if (comma == std::string_view::npos) {
    // NOT(c): the single-argument form of NOT.
    if (keyword->form != ConditionForm::negation) fatal(textOf(Text::conditionMissingCommaMessage), text);
    parseArgument(tree, form.inner, text, depth + 1, commas);
  } else {
    parseArgument(tree, form.inner.substr(0, comma), text, depth + 1, commas);
    tree.setCurrent(&node);
    parseArgument(tree, form.inner.substr(comma + 1), text, depth + 1, commas);
  }
  if (!hasChildren(node, keyword->form)) fatal(textOf(Text::missingSubconditionMessage), text);
}

void parseArgument(ConditionTree& tree, std::string_view text, std::string_view call, int depth,
                   const NestingIndex& commas) {
  trim(text);
  if (text.empty()) fatal(textOf(Text::emptyConditionMessage), call);
  parseTrimmed(tree, text, depth, commas);
}

}  // namespace

void parseCondition(ConditionTree& tree, std::string_view text) {
  TreeNode<LogicalOperator>* const start = tree.getCurrent();
  std::string_view condition = text;
  trim(condition);
  if (condition.empty()) fatal(textOf(Text::emptyConditionMessage), text);
  const NestingIndex commas(condition, ',');
  parseTrimmed(tree, condition, 1, commas);
  // A bare operand gives the node above it no condition to take its value from.
  if (!start->left) fatal(textOf(Text::missingSubconditionMessage), condition);
}

}  // namespace qerix
