#ifndef QERIX_ALGEBRA_SEMIJOIN_OPERATOR_H
#define QERIX_ALGEBRA_SEMIJOIN_OPERATOR_H

#include <memory>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix {

// semijoin(E1,E2) and semijoin(E1,E2,C): the records of the first relation,
// in order, for which at least one record of the second matches: on the
// shared attributes as a natural join matches (without a condition), or
// making the condition hold on the pair as join(E1,E2,C) does.
class SemijoinOperator : public AlgebraOperator {
 public:
  SemijoinOperator();
  ~SemijoinOperator() override;

  void setCondition(std::string_view text);
  ConditionTree* getCondition() override {
    return condition.get();
  }  // the form with a condition; see condition_parser.h
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "semijoin"; }

  // For each record of `first`, in order, whether a record of `second`
  // matches it, with the condition or, where it is null, on the shared
  // attributes; the same messages at the same points as the join would give.
  static std::vector<bool> findMatched(const Relation& first, Relation& second, ConditionTree* condition);

 private:
  std::unique_ptr<ConditionTree> condition;  // null for the natural form
};

// Prints a filtering join's line: its name alone, or with its condition.
void printFilteringJoin(std::ostream& out, std::string_view name, ConditionTree* condition);

}  // namespace qerix

#endif  // QERIX_ALGEBRA_SEMIJOIN_OPERATOR_H
