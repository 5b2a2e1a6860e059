#ifndef QERIX_ALGEBRA_THETA_JOIN_OPERATOR_H
#define QERIX_ALGEBRA_THETA_JOIN_OPERATOR_H

#include <memory>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix {

// The pairs of records of two relations for which a condition over both
// holds, first-operand-major: exactly what select(product(E1,E2),C) gives,
// order and messages included, without building the product.
class ThetaJoinOperator : public AlgebraOperator {
 public:
  ThetaJoinOperator();
  explicit ThetaJoinOperator(std::unique_ptr<ConditionTree> joinCondition);
  ~ThetaJoinOperator() override;

  void setCondition(std::string_view text);
  ConditionTree* getCondition() override { return condition.get(); }  // parses it; see condition_parser.h
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "join"; }

 private:
  std::unique_ptr<ConditionTree> condition;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_THETA_JOIN_OPERATOR_H
