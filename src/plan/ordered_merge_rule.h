#ifndef QERIX_PLAN_ORDERED_MERGE_RULE_H
#define QERIX_PLAN_ORDERED_MERGE_RULE_H

#include "plan/rewrite_rule.h"

namespace qerix {

// union(A,B) becomes a union that merges A as it reads it from the input
// file where A turns out to be in order already, instead of bringing A into
// memory to sort it.
class OrderedMergeRule : public RewriteRule {
 public:
  bool rewrite(PlanNode& node, QueryPlan& plan) const override;
};

}  // namespace qerix

#endif  // QERIX_PLAN_ORDERED_MERGE_RULE_H
