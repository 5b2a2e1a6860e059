#ifndef QERIX_PLAN_SELECTION_PROJECTION_OPERATOR_H
#define QERIX_PLAN_SELECTION_PROJECTION_OPERATOR_H

#include <memory>
#include <string>
#include <vector>

#include "plan/selection_projection_base.h"

namespace qerix {

// What project(select(E,C),L) gives, in one pass over E: each record is
// tested and, if it passes, projected. As in the two nodes it stands for, C
// is bound before anything is projected, and a name E lacks ends the run
// only once a record passes; the names of a textbook list are checked once C
// is bound (or, without records, its names checked).
class SelectionProjectionOperator : public SelectionProjectionBase {
 public:
  using SelectionProjectionBase::SelectionProjectionBase;

  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
};

}  // namespace qerix

#endif  // QERIX_PLAN_SELECTION_PROJECTION_OPERATOR_H
