#ifndef QERIX_PLAN_JOINED_SELECTION_PROJECTION_OPERATOR_H
#define QERIX_PLAN_JOINED_SELECTION_PROJECTION_OPERATOR_H

#include <memory>
#include <string>
#include <vector>

#include "plan/selection_projection_base.h"

namespace qerix {

// What project(select(join(E1,E2),C),L) gives, without the join's pairs
// ever being listed: each record of E1 meets its partners in E2, and each
// joined record is tested and projected at once, in pieces of E1 that run at
// once, each removing its own duplicates. The runs of sorted projections
// are merged as the result is read, the latest piece's text winning among
// equal ones, as it would be the last one met. Every message comes where the
// three nodes would give it: the join's, then C's names, and C's types only
// once a pair exists.
class JoinedSelectionProjectionOperator : public SelectionProjectionBase {
 public:
  using SelectionProjectionBase::SelectionProjectionBase;

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
};

}  // namespace qerix

#endif  // QERIX_PLAN_JOINED_SELECTION_PROJECTION_OPERATOR_H
