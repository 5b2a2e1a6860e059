#ifndef QERIX_ALGEBRA_PRODUCT_OPERATOR_H
#define QERIX_ALGEBRA_PRODUCT_OPERATOR_H

#include <memory>
#include <string>
#include <utility>

#include "algebra/algebra_operator.h"

namespace qerix {

// The Cartesian product: every record of the first relation followed by every
// record of the second, first-operand-major, under both attribute lists.
//
// The product is only built when its result is asked for, so that a select
// directly above it can take the two inputs instead and test each pair as it
// is formed (see pair_selection.h).
class ProductOperator : public AlgebraOperator {
 public:
  Relation* getResult() override;
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::unique_ptr<Relation> takeResult() override;

  std::pair<std::unique_ptr<Relation>, std::unique_ptr<Relation>> takeOperands();

  // The first relation's attributes followed by the second's.
  static AttributeList combineAttributes(const Relation& first, const Relation& second);

 private:
  void build();

  std::unique_ptr<Relation> firstInput;
  std::unique_ptr<Relation> secondInput;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_PRODUCT_OPERATOR_H
