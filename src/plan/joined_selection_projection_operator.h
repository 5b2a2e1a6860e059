#ifndef QERIX_PLAN_JOINED_SELECTION_PROJECTION_OPERATOR_H
#define QERIX_PLAN_JOINED_SELECTION_PROJECTION_OPERATOR_H

#include <memory>
#include <string>
#include <vector>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix {

// What project(select(join(E1,E2),C),L) gives, without the join's pairs
// ever being listed: each record of E1 meets its partners in E2, and each
// joined record is tested and projected at once, in pieces of E1 that run at
// once, each removing its own duplicates. The runs of sorted projections
// are merged as the result is read, the latest piece's text winning among
// equal ones, as it would be the last one met. Every message comes where the
// three nodes would give it: the join's, then C's names, and C's types only
// once a pair exists.
class JoinedSelectionProjectionOperator : public AlgebraOperator {
 public:
  // `namePlaces`: the project's (ProjectOperator::getNamePlaces).
  JoinedSelectionProjectionOperator(std::unique_ptr<ConditionTree> condition, std::vector<std::string> attributeNames,
                                    NameLookup lookup, std::vector<std::string> namePlaces);
  ~JoinedSelectionProjectionOperator() override;

  ConditionTree* getCondition() override { return condition.get(); }

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "project"; }

 private:
  std::unique_ptr<ConditionTree> condition;
  std::vector<std::string> attributeNames;
  NameLookup lookup;
  std::vector<std::string> namePlaces;
};

}  // namespace qerix

#endif  // QERIX_PLAN_JOINED_SELECTION_PROJECTION_OPERATOR_H
