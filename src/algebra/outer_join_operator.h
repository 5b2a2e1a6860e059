#ifndef QERIX_ALGEBRA_OUTER_JOIN_OPERATOR_H
#define QERIX_ALGEBRA_OUTER_JOIN_OPERATOR_H

#include <memory>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix {

// Which records without a partner an outer join keeps, padded with nulls.
enum class OuterSide { left, right, full };

// leftjoin(E1,E2), rightjoin(E1,E2), fulljoin(E1,E2), with -x; with a third
// argument C the pairs are those of join(E1,E2,C). The attributes are those
// join gives: naturally the first's, then the second's unshared ones; with
// a condition the first's, then all the second's. The records: for each
// record of the first in order, its pairs in the second's order, or (left,
// full) the record with nulls for the second's attributes when it has none;
// then (right, full) each record of the second that paired with none, in
// order, with nulls for the first's attributes, except that a natural join's
// shared attributes hold the second's values. Nulls never pair.
class OuterJoinOperator : public AlgebraOperator {
 public:
  explicit OuterJoinOperator(OuterSide keptSide);
  ~OuterJoinOperator() override;

  void setCondition(std::string_view text);  // the form with a condition; see condition_parser.h
  ConditionTree* getCondition() override { return condition.get(); }
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override;

 private:
  OuterSide side;
  std::unique_ptr<ConditionTree> condition;  // null for the natural form
};

class LeftJoinOperator : public OuterJoinOperator {
 public:
  LeftJoinOperator() : OuterJoinOperator(OuterSide::left) {}
};

class RightJoinOperator : public OuterJoinOperator {
 public:
  RightJoinOperator() : OuterJoinOperator(OuterSide::right) {}
};

class FullJoinOperator : public OuterJoinOperator {
 public:
  FullJoinOperator() : OuterJoinOperator(OuterSide::full) {}
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_OUTER_JOIN_OPERATOR_H
