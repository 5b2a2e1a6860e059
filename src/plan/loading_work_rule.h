#ifndef QERIX_PLAN_LOADING_WORK_RULE_H
#define QERIX_PLAN_LOADING_WORK_RULE_H

#include "plan/rewrite_rule.h"

namespace qerix {

// A select or a project directly over a relation, and a project over a
// select over one, do their work while that relation's records are loaded:
// each reads the relation once, in order, so reading it again once loading
// is over would be wasted. The loader shows them the records of the
// relations of the name they read (QueryPlan::watchedWhileLoading).
class LoadingWorkRule : public RewriteRule {
 public:
  bool rewrite(PlanNode& node, QueryPlan& plan) const override;
};

}  // namespace qerix

#endif  // QERIX_PLAN_LOADING_WORK_RULE_H
