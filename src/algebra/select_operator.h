#ifndef QERIX_ALGEBRA_SELECT_OPERATOR_H
#define QERIX_ALGEBRA_SELECT_OPERATOR_H

#include <memory>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix {

// Keeps, in order and with duplicates, the records for which the condition
// holds. Every condition node is evaluated for every record: no
// short-circuit, so a comparison of mismatched types always ends the run,
// on the first record; over an input without records nothing is evaluated.
class SelectOperator : public AlgebraOperator {
 public:
  SelectOperator();
  ~SelectOperator() override;

  void setCondition(std::string_view text);  // parses it; see condition_parser.h
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "select"; }

  // For the planner, which may test the condition elsewhere instead.
  ConditionTree* getCondition() override { return condition.get(); }
  std::unique_ptr<ConditionTree> takeCondition() { return std::move(condition); }

  // The selection of `input`'s records, the condition being evaluated for
  // each as a select evaluates it.
  static std::unique_ptr<Relation> select(const Relation& input, ConditionTree& condition);

 private:
  std::unique_ptr<ConditionTree> condition;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_SELECT_OPERATOR_H
