#ifndef QERIX_PLAN_ORDERED_UNION_OPERATOR_H
#define QERIX_PLAN_ORDERED_UNION_OPERATOR_H

#include "algebra/algebra_operator.h"

namespace qerix {

// A union whose first operand, still in the input file and already in
// record order, is merged with the sorted second as it is read, and stays in
// the file; a large one in two pieces at once. Otherwise, and whenever the
// merge meets records out of order, it is the plain union.
//
// Trying is safe only where no comparison or copy can end the run (operands
// of one width), since an unordered first operand would compare other pairs
// than the sorted one does.
class OrderedUnionOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "union"; }
};

}  // namespace qerix

#endif  // QERIX_PLAN_ORDERED_UNION_OPERATOR_H
