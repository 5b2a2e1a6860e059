#ifndef QERIX_ALGEBRA_ANTIJOIN_OPERATOR_H
#define QERIX_ALGEBRA_ANTIJOIN_OPERATOR_H

#include <memory>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix {

// antijoin(E1,E2) and antijoin(E1,E2,C): the records of the first relation,
// in order, that no record of the second matches as in the semijoin of the
// same arguments; exactly minus(E1,semijoin(...)).
class AntijoinOperator : public AlgebraOperator {
 public:
  AntijoinOperator();
  ~AntijoinOperator() override;

  void setCondition(std::string_view text);
  ConditionTree* getCondition() override {
    return condition.get();
  }  // the form with a condition; see condition_parser.h
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "antijoin"; }

 private:
  std::unique_ptr<ConditionTree> condition;  // null for the natural form
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_ANTIJOIN_OPERATOR_H
