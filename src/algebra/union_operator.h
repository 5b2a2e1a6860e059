#ifndef QERIX_ALGEBRA_UNION_OPERATOR_H
#define QERIX_ALGEBRA_UNION_OPERATOR_H

#include "algebra/algebra_operator.h"

namespace qerix {

// The union of two relations under the first one's attributes: both inputs
// are put in record order and merged, a record that both hold coming out once.
class UnionOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_UNION_OPERATOR_H
