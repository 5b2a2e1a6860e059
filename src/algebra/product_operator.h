#ifndef QERIX_ALGEBRA_PRODUCT_OPERATOR_H
#define QERIX_ALGEBRA_PRODUCT_OPERATOR_H

#include "algebra/algebra_operator.h"

namespace qerix {

// The Cartesian product: every record of the first relation followed by every
// record of the second, first-operand-major, under both attribute lists.
class ProductOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "product"; }
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_PRODUCT_OPERATOR_H
