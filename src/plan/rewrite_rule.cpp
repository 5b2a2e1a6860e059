#include "plan/rewrite_rule.h"

namespace qerix {

std::unique_ptr<AlgebraOperator> replacePayload(PlanNode& node, std::unique_ptr<AlgebraOperator> payload) {
  return std::exchange(node.payload, std::move(payload));
}

std::unique_ptr<AlgebraOperator> absorbLeftChild(PlanNode& node) {
  std::unique_ptr<PlanNode> child = std::move(node.left);
  node.left = std::move(child->left);
  node.right = std::move(child->right);
  if (node.left) node.left->parent = &node;
  if (node.right) node.right->parent = &node;
  return std::move(child->payload);
}

}  // namespace qerix
