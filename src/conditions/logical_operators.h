#ifndef QERIX_CONDITIONS_LOGICAL_OPERATORS_H
#define QERIX_CONDITIONS_LOGICAL_OPERATORS_H

#include "conditions/logical_operator.h"

namespace qerix {

// The parser makes sure every logical node has the children it reads.

class AndOperator : public LogicalOperator {
 public:
  ConditionKind getKind() const override { return ConditionKind::both; }
  void print(std::ostream& out) const override;
  void evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& record) override;
};

class OrOperator : public LogicalOperator {
 public:
  ConditionKind getKind() const override { return ConditionKind::either; }
  void print(std::ostream& out) const override;
  void evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& record) override;
};

// Negates its left child; a right child is evaluated but does not count.
class NotOperator : public LogicalOperator {
 public:
  ConditionKind getKind() const override { return ConditionKind::negation; }
  void print(std::ostream& out) const override;
  void evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& record) override;
};

// The root of every condition tree: the value of its only child.
class DummyCondition : public LogicalOperator {
 public:
  ConditionKind getKind() const override { return ConditionKind::root; }
  void print(std::ostream& out) const override;
  void evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& record) override;
};

}  // namespace qerix

#endif  // QERIX_CONDITIONS_LOGICAL_OPERATORS_H
