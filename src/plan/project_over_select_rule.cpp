#include "plan/project_over_select_rule.h"

#include "algebra/project_operator.h"
#include "algebra/select_operator.h"
#include "plan/selection_projection_operator.h"

namespace qerix {

bool ProjectOverSelectRule::rewrite(PlanNode& node, QueryPlan& /*plan*/) const {
  auto* project = nodeAs<ProjectOperator>(&node);
  auto* select = nodeAs<SelectOperator>(node.left.get());
  if (!project || !select) return false;
  auto fused = std::make_unique<SelectionProjectionOperator>(select->takeCondition(), project->getAttributeNames(),
                                                             project->getNameLookup(), project->getNamePlaces());
  absorbLeftChild(node);
  replacePayload(node, std::move(fused));
  return true;
}

}  // namespace qerix
