#include "plan/planner.h"

#include <array>

#include "plan/loading_work_rule.h"
#include "plan/ordered_merge_rule.h"
#include "plan/project_over_select_rule.h"
#include "plan/select_over_product_rule.h"
#include "plan/selected_join_projection_rule.h"

namespace qerix {

namespace {

// Each node before its children: a rule sees a shape whole before the
// nodes within it.
void applyEverywhere(const RewriteRule& rule, PlanNode& node, QueryPlan& plan) {
  rule.rewrite(node, plan);
  if (node.left) applyEverywhere(rule, *node.left, plan);
  if (node.right) applyEverywhere(rule, *node.right, plan);
}

}  // namespace

QueryPlan Planner::plan(AlgebraTree& tree) {
  // Fusing rules come first: work done while loading is decided for the
  // nodes that take the place of two.
  const SelectOverProductRule selectOverProduct;
  const ProjectOverSelectRule projectOverSelect;
  const SelectedJoinProjectionRule selectedJoinProjection;
  const OrderedMergeRule orderedMerge;
  const LoadingWorkRule loadingWork;
  const std::array<const RewriteRule*, 5> rules = {&selectOverProduct, &projectOverSelect, &selectedJoinProjection,
                                                   &orderedMerge, &loadingWork};
  QueryPlan plan;
  for (const RewriteRule* rule : rules) applyEverywhere(*rule, tree.getRoot(), plan);
  return plan;
}

}  // namespace qerix
