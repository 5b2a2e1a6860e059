#include "plan/select_over_product_rule.h"

#include "algebra/product_operator.h"
#include "algebra/select_operator.h"
#include "algebra/theta_join_operator.h"

namespace qerix {

bool SelectOverProductRule::rewrite(PlanNode& node, QueryPlan& /*plan*/) const {
  auto* select = nodeAs<SelectOperator>(&node);
  if (!select || !nodeAs<ProductOperator>(node.left.get())) return false;
  // Both evaluate the operands first, then bind the condition once both have
  // records: a type mismatch ends the run at the same point.
  auto join = std::make_unique<ThetaJoinOperator>(select->takeCondition());
  absorbLeftChild(node);
  replacePayload(node, std::move(join));
  return true;
}

}  // namespace qerix
