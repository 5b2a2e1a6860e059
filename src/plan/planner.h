#ifndef QERIX_PLAN_PLANNER_H
#define QERIX_PLAN_PLANNER_H

#include "algebra/algebra_operator.h"
#include "plan/rewrite_rule.h"

namespace qerix {

// Decides how a parsed query runs: applies every rewrite rule, in a fixed
// order, to every node of the tree, before the relations are loaded. A query
// that is not planned runs its plain evaluation, node by node, which gives
// the same bytes on every channel; tests and the step-by-step view rely on
// that.
class Planner {
 public:
  static QueryPlan plan(AlgebraTree& tree);
};

}  // namespace qerix

#endif  // QERIX_PLAN_PLANNER_H
