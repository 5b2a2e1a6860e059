#ifndef QERIX_ALGEBRA_MINUS_OPERATOR_H
#define QERIX_ALGEBRA_MINUS_OPERATOR_H

#include "algebra/algebra_operator.h"

namespace qerix {

// The records of the first relation that have no equal record in the second,
// in the first relation's order. Equality is judged from the first relation's
// side (its field count and types), whatever order the second is in.
class MinusOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_MINUS_OPERATOR_H
