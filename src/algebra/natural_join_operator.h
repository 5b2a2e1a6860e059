#ifndef QERIX_ALGEBRA_NATURAL_JOIN_OPERATOR_H
#define QERIX_ALGEBRA_NATURAL_JOIN_OPERATOR_H

#include "algebra/algebra_operator.h"
#include "algebra/shared_attributes.h"

namespace qerix {

// join(E1,E2): for each record of the first relation in order, each record
// of the second in order that equals it on every shared attribute (see
// shared_attributes.h; compared as EQ compares), the first's values then the
// second's unshared ones. The attributes: the first's, then the second's
// unshared ones. Without a shared attribute, the product.
class NaturalJoinOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "join"; }

  // The attributes of the join of relations with these attributes; also for
  // the nodes that take a join's place.
  static AttributeList joinedAttributes(const AttributeList& first, const AttributeList& second,
                                        const SharedAttributes& shared);
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_NATURAL_JOIN_OPERATOR_H
