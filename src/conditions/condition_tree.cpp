#include "conditions/condition_tree.h"

#include <ostream>

#include "model/fatal_error.h"

namespace qerix {

namespace {

class BindVisitor : public TreeVisitor<LogicalOperator> {
 public:
  explicit BindVisitor(const AttributeList& columns) : attributes(columns) {}
  void visit(TreeNode<LogicalOperator>& node, int /*depth*/) override { node.payload->bind(attributes); }

 private:
  const AttributeList& attributes;
};

class NameCheckVisitor : public TreeVisitor<LogicalOperator> {
 public:
  explicit NameCheckVisitor(const AttributeList& columns) : attributes(columns) {}
  void visit(TreeNode<LogicalOperator>& node, int /*depth*/) override { node.payload->checkNames(attributes); }

 private:
  const AttributeList& attributes;
};

}  // namespace

void ConditionEvaluateVisitor::visit(TreeNode<LogicalOperator>& node, int /*depth*/) {
  node.payload->evaluate(node.leftPayload(), node.rightPayload(), record);
}

void bindCondition(ConditionTree& condition, const AttributeList& attributes) {
  BindVisitor binder(attributes);
  condition.walkPostOrder(binder);
}

void checkConditionNames(ConditionTree& condition, const AttributeList& attributes) {
  NameCheckVisitor checker(attributes);
  condition.walkPostOrder(checker);
}

void acceptQualifiedNames(ConditionTree& condition) {
  class Accepting : public TreeVisitor<LogicalOperator> {
   public:
    void visit(TreeNode<LogicalOperator>& node, int /*depth*/) override { node.payload->acceptQualifiedNames(); }
  } accepting;
  condition.walkPostOrder(accepting);
}

bool tryBindCondition(ConditionTree& condition, const AttributeList& attributes) {
  try {
    bindCondition(condition, attributes);
    return true;
  } catch (const FatalError&) {
    return false;
  }
}

void printWithCondition(std::ostream& out, std::string_view title, ConditionTree* condition) {
  out << title << "\n*\n";
  if (condition) {
    PrintVisitor<LogicalOperator> printer(out);
    condition->walkPreOrder(printer);
  }
  out << "*\n";
}

bool evaluateCondition(ConditionTree& condition, const Record& record) {
  ConditionEvaluateVisitor evaluator(record);
  condition.walkPostOrder(evaluator);
  return condition.getRoot().payload->getResult();
}

}  // namespace qerix
