#ifndef QERIX_ALGEBRA_ALGEBRA_OPERATOR_H
#define QERIX_ALGEBRA_ALGEBRA_OPERATOR_H

#include <iosfwd>
#include <memory>
#include <string_view>

#include "conditions/condition_tree.h"
#include "model/operator_tree.h"
#include "model/relation.h"

namespace qerix {

// A node of a query's operator tree. Each node is evaluated once, after its
// children, and takes over its children's results: an input relation is
// freed as soon as the result that consumed it is complete.
//
// A node says what it computes and nothing more: its evaluate is the plain
// evaluation of its operator, built from the shared pieces of exec/. How a
// shape of nodes runs faster is a rule of the planner (plan/), which may put
// other nodes in their place; no node looks at the kind of another.
class AlgebraOperator {
 public:
  AlgebraOperator() = default;
  AlgebraOperator(const AlgebraOperator&) = delete;
  AlgebraOperator& operator=(const AlgebraOperator&) = delete;

  Relation* getResult() { return result.get(); }  // null when there is no result
  virtual void print(std::ostream& out) const;
  virtual void evaluate(AlgebraOperator* left, AlgebraOperator* right) = 0;
  virtual ~AlgebraOperator() = default;

  // The keyword of the form the node stands for ("select", "table", ...).
  virtual std::string_view getKeyword() const = 0;
  // The condition the node tests, if it has one; for views of the tree.
  virtual ConditionTree* getCondition() { return nullptr; }
  // With -x: a name "R.a" in the node's condition or list may name the
  // attribute a that came from R.
  virtual void acceptQualifiedNames();

  // Hands the result over to the caller; the node keeps none.
  std::unique_ptr<Relation> takeResult() { return std::move(result); }

 protected:
  // Null when there is no operand or the operand has no result.
  static std::unique_ptr<Relation> takeOperand(AlgebraOperator* operand);

  std::unique_ptr<Relation> result;
};

using AlgebraTree = OperatorTree<AlgebraOperator>;

// Evaluates each node with the operators of its two children.
class EvaluateVisitor : public TreeVisitor<AlgebraOperator> {
 public:
  void visit(TreeNode<AlgebraOperator>& node, int depth) override;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_ALGEBRA_OPERATOR_H
