#ifndef QERIX_PLAN_SELECTION_PROJECTION_OPERATOR_H
#define QERIX_PLAN_SELECTION_PROJECTION_OPERATOR_H

#include <memory>
#include <string>
#include <vector>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix {

// What project(select(E,C),L) gives, in one pass over E: each record is
// tested and, if it passes, projected. As in the two nodes it stands for, C
// is bound before anything is projected, and a name E lacks ends the run
// only once a record passes; the names of a textbook list are checked once C
// is bound (or, without records, its names checked).
class SelectionProjectionOperator : public AlgebraOperator {
 public:
  // `namePlaces`: the project's (ProjectOperator::getNamePlaces).
  SelectionProjectionOperator(std::unique_ptr<ConditionTree> condition, std::vector<std::string> attributeNames,
                              NameLookup lookup, std::vector<std::string> namePlaces);
  ~SelectionProjectionOperator() override;

  ConditionTree* getCondition() override { return condition.get(); }
  std::unique_ptr<ConditionTree> takeCondition() { return std::move(condition); }
  const std::vector<std::string>& getAttributeNames() const { return attributeNames; }
  NameLookup getNameLookup() const { return lookup; }
  const std::vector<std::string>& getNamePlaces() const { return namePlaces; }

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

#endif  // QERIX_PLAN_SELECTION_PROJECTION_OPERATOR_H
