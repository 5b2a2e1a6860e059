#ifndef QERIX_PLAN_PROJECT_OVER_SELECT_RULE_H
#define QERIX_PLAN_PROJECT_OVER_SELECT_RULE_H

#include "plan/rewrite_rule.h"

namespace qerix {

// project(select(E,C),L) becomes one node that tests C and projects in one
// pass over E, rather than one pass to select and another to project.
class ProjectOverSelectRule : public RewriteRule {
 public:
  bool rewrite(PlanNode& node, QueryPlan& plan) const override;
};

}  // namespace qerix

#endif  // QERIX_PLAN_PROJECT_OVER_SELECT_RULE_H
