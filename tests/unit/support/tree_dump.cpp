#include "support/tree_dump.h"

#include <sstream>
#include <vector>

#include "algebra/dummy_operator.h"
#include "algebra/project_operator.h"
#include "algebra/rename_operator.h"
#include "algebra/select_operator.h"
#include "algebra/table_operator.h"
#include "conditions/condition_parser.h"
#include "conditions/logical_operators.h"
#include "query/expression_parser.h"

namespace qerix::test {

namespace {

template <class Payload>
std::string printedText(const Payload& payload) {
  std::ostringstream out;
  payload.print(out);
  return out.str();
}

std::string joined(const std::vector<std::string>& names, std::string_view separator) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : std::string(separator)) + name;
  return text;
}

std::string labelOf(const AlgebraOperator& node) {
  if (const auto* table = dynamic_cast<const TableOperator*>(&node)) return "'" + table->getName() + "'";
  if (const auto* project = dynamic_cast<const ProjectOperator*>(&node)) {
    return "Project[" + joined(project->getAttributeNames(), "|") + "]";
  }
  if (const auto* rename = dynamic_cast<const RenameOperator*>(&node)) {
    return "Rename[" + rename->getNewName() + "(" + joined(rename->getNewAttributeNames(), ",") + ")]";
  }
  std::string text = printedText(node);
  if (dynamic_cast<const SelectOperator*>(&node)) {
    // Drop the "Select: " and the two "*" lines around the condition.
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> conditionLines;
    while (std::getline(lines, line)) {
      if (line != "Select: " && line != "*") conditionLines.push_back(line);
    }
    return "Select{" + joined(conditionLines, "/") + "}";
  }
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

std::string labelOf(const LogicalOperator& node) {
  const std::string text = printedText(node);
  std::string label = text.substr(0, text.find_first_of(":\n"));
  if (!node.getOperand1().empty() || !node.getOperand2().empty()) {
    label += "[" + node.getOperand1() + "|" + node.getOperand2() + "]";
  }
  return label;
}

template <class Payload>
std::string dumpNode(const TreeNode<Payload>& node) {
  std::string text = labelOf(*node.payload);
  if (node.left || node.right) {
    text += "(";
    if (node.left) text += dumpNode(*node.left);
    if (node.right) text += "," + dumpNode(*node.right);
    text += ")";
  }
  return text;
}

}  // namespace

std::string dumpTree(const TreeNode<AlgebraOperator>& node) { return dumpNode(node); }
std::string dumpTree(const TreeNode<LogicalOperator>& node) { return dumpNode(node); }

std::string dumpQuery(std::string_view query) {
  const RelationList none;
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseExpression(tree, query, none);
  const auto& root = tree.getRoot();
  if (!root.left || root.right) return "(not one node below the root) " + dumpTree(root);
  return dumpTree(*root.left);
}

std::string dumpCondition(std::string_view condition) {
  ConditionTree tree(std::make_unique<DummyCondition>());
  parseCondition(tree, condition);
  return dumpTree(tree.getRoot());
}

}  // namespace qerix::test
