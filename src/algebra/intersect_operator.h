#ifndef QERIX_ALGEBRA_INTERSECT_OPERATOR_H
#define QERIX_ALGEBRA_INTERSECT_OPERATOR_H

#include "algebra/algebra_operator.h"

namespace qerix {

// The records of the first relation that have an equal record in the
// second, in the first's order, duplicates kept: exactly what
// minus(E1,minus(E1,E2)) gives, records, texts and messages included.
// Equality is judged as minus judges it, from the first's side.
class IntersectOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "intersect"; }
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_INTERSECT_OPERATOR_H
