#ifndef QERIX_ALGEBRA_DISTINCT_OPERATOR_H
#define QERIX_ALGEBRA_DISTINCT_OPERATOR_H

#include "algebra/algebra_operator.h"

namespace qerix {

// distinct(E), with -x: the records of E without duplicates, the first of
// equal records kept, in E's order, with E's attributes. Records are equal
// as union and minus take them: "int" fields by number, decimals by value,
// two nulls alike.
class DistinctOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "distinct"; }
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_DISTINCT_OPERATOR_H
