#ifndef QERIX_ALGEBRA_UNION_OPERATOR_H
#define QERIX_ALGEBRA_UNION_OPERATOR_H

#include <memory>

#include "algebra/algebra_operator.h"

namespace qerix {

// The union of two relations under the first one's attributes: both inputs
// are put in record order (the second compared over the fields both have,
// under the first's types) and merged, a record that both hold coming out
// once. When either is empty, the records of both are copied as they are.
class UnionOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "union"; }

  // The union of two relations that are not null.
  static std::unique_ptr<Relation> unite(std::shared_ptr<Relation> first, std::shared_ptr<Relation> second);
  // The second in memory, in the order the merge reads it: sorted over the
  // fields both have, under the first's types.
  static void sortSecond(const Relation& first, Relation& second);
  // The union of two relations with records, the second sorted so already.
  static std::unique_ptr<Relation> mergeSorted(std::shared_ptr<Relation> first, std::shared_ptr<Relation> second);
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_UNION_OPERATOR_H
