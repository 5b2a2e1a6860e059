#ifndef QERIX_PLAN_SELECTED_JOIN_PROJECTION_RULE_H
#define QERIX_PLAN_SELECTED_JOIN_PROJECTION_RULE_H

#include "plan/rewrite_rule.h"

namespace qerix {

// project(select(join(E1,E2),C),L), once project and select are one node,
// becomes one node that tests and projects each pair as the join finds it,
// in pieces at once, rather than listing the pairs and reading them on one
// thread.
class SelectedJoinProjectionRule : public RewriteRule {
 public:
  bool rewrite(PlanNode& node, QueryPlan& plan) const override;
};

}  // namespace qerix

#endif  // QERIX_PLAN_SELECTED_JOIN_PROJECTION_RULE_H
