#ifndef QERIX_CONDITIONS_CONDITION_TREE_H
#define QERIX_CONDITIONS_CONDITION_TREE_H

#include <iosfwd>
#include <string_view>

#include "conditions/logical_operator.h"
#include "model/operator_tree.h"

namespace qerix {

class AttributeList;
class Record;

// A select's condition: a DummyCondition root whose only child is the top
// node of the parsed condition.
using ConditionTree = OperatorTree<LogicalOperator>;

// Evaluates each condition node for one record, with its children's nodes.
class ConditionEvaluateVisitor : public TreeVisitor<LogicalOperator> {
 public:
  explicit ConditionEvaluateVisitor(const Record& tested) : record(tested) {}
  void visit(TreeNode<LogicalOperator>& node, int depth) override;

 private:
  const Record& record;
};

// Prepares every node for records with these attributes. A comparison of two
// attributes of different types ends the run here, as it would on the first
// record: every node is evaluated for every record, so it is never skipped.
void bindCondition(ConditionTree& condition, const AttributeList& attributes);
// The same for work that may be left undone: false instead of ending the
// run. The condition may then be bound in part; bind it again before use.
bool tryBindCondition(ConditionTree& condition, const AttributeList& attributes);

// With -x: every comparison's operand "R.a" may name the attribute a that came from R.
void acceptQualifiedNames(ConditionTree& condition);

// Ends the run when the condition names what these attributes lack (see
// LogicalOperator::checkNames): asked before a select, join or filter skips
// binding for want of records, so that the textbook notation's names are
// checked whether or not there are records.
void checkConditionNames(ConditionTree& condition, const AttributeList& attributes);

// A node's line, `title`, then its condition tree in pre-order between two
// "*" lines, each condition node indented by its depth.
void printWithCondition(std::ostream& out, std::string_view title, ConditionTree* condition);

// Evaluates every node, children first, and gives the root's value.
bool evaluateCondition(ConditionTree& condition, const Record& record);

}  // namespace qerix

#endif  // QERIX_CONDITIONS_CONDITION_TREE_H
