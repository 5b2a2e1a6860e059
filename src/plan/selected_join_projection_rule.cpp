#include "plan/selected_join_projection_rule.h"

#include "algebra/natural_join_operator.h"
#include "plan/joined_selection_projection_operator.h"
#include "plan/selection_projection_operator.h"

namespace qerix {

bool SelectedJoinProjectionRule::rewrite(PlanNode& node, QueryPlan& /*plan*/) const {
  auto* fused = nodeAs<SelectionProjectionOperator>(&node);
  if (!fused || !nodeAs<NaturalJoinOperator>(node.left.get())) return false;
  auto joined = std::make_unique<JoinedSelectionProjectionOperator>(fused->takeCondition(), fused->getAttributeNames(),
                                                                    fused->getNameLookup(), fused->getNamePlaces());
  absorbLeftChild(node);
  replacePayload(node, std::move(joined));
  return true;
}

}  // namespace qerix
