#include "plan/ordered_merge_rule.h"

#include "algebra/union_operator.h"
#include "plan/ordered_union_operator.h"

namespace qerix {

bool OrderedMergeRule::rewrite(PlanNode& node, QueryPlan& /*plan*/) const {
  if (!nodeAs<UnionOperator>(&node)) return false;
  replacePayload(node, std::make_unique<OrderedUnionOperator>());
  return true;
}

}  // namespace qerix
