#ifndef QERIX_ALGEBRA_MINUS_OPERATOR_H
#define QERIX_ALGEBRA_MINUS_OPERATOR_H

#include <vector>

#include "algebra/algebra_operator.h"

namespace qerix {

// The records of the first relation that have no equal record in the second,
// in the first relation's order. Equality is judged from the first relation's
// side (its field count and types), whatever order the second is in.
class MinusOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "minus"; }

  // For each record of `first`, in order, whether `second` holds an equal
  // record, compared as minus compares. A record equal over every field the
  // second has, where it has fewer than the first, ends the run with the
  // getValue message: the comparison went past the second's last field.
  static std::vector<bool> findEqualRecords(const Relation& first, const Relation& second);
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_MINUS_OPERATOR_H
