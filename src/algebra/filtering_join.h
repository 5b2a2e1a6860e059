#ifndef QERIX_ALGEBRA_FILTERING_JOIN_H
#define QERIX_ALGEBRA_FILTERING_JOIN_H

#include <memory>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix {

// What the semijoin and the antijoin share: the records of the first
// relation, in order and with its attributes, kept by whether a record of
// the second matches them, on the shared attributes as a natural join
// matches (without a condition), or making the condition hold on the pair
// as join(E1,E2,C) does.
class FilteringJoin : public AlgebraOperator {
 public:
  FilteringJoin();
  ~FilteringJoin() override;

  void setCondition(std::string_view text);  // the form with a condition; see condition_parser.h
  ConditionTree* getCondition() override { return condition.get(); }
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) final;

  // For each record of `first`, in order, whether a record of `second`
  // matches it, with the condition or, where it is null, on the shared
  // attributes; the same messages at the same points as the join would give.
  static std::vector<bool> findMatched(const Relation& first, Relation& second, ConditionTree* condition);

 protected:
  virtual bool keepsMatched() const = 0;
  virtual std::string_view printedName() const = 0;

 private:
  std::unique_ptr<ConditionTree> condition;  // null for the natural form
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_FILTERING_JOIN_H
