#ifndef QERIX_ALGEBRA_DUMMY_OPERATOR_H
#define QERIX_ALGEBRA_DUMMY_OPERATOR_H

#include "algebra/algebra_operator.h"

namespace qerix {

// The root of every query tree: its result is the query's top node's result.
class DummyOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "dummy"; }
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_DUMMY_OPERATOR_H
