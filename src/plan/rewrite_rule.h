#ifndef QERIX_PLAN_REWRITE_RULE_H
#define QERIX_PLAN_REWRITE_RULE_H

#include <memory>
#include <vector>

#include "algebra/algebra_operator.h"
#include "exec/loading/record_watcher.h"

namespace qerix {

using PlanNode = TreeNode<AlgebraOperator>;

// What the planner hands to the loader: the work that operators do on
// relations while they are loaded, each with the name it watches.
struct QueryPlan {
  std::vector<WatchedRelation> watchedWhileLoading;
};

// One way of running a shape of the operator tree faster: it puts nodes of
// its own in place of that shape, which give the same result, the same
// records in the same order, and end the run with the same message at the
// same point as the plain evaluation of the shape would.
class RewriteRule {
 public:
  RewriteRule() = default;
  RewriteRule(const RewriteRule&) = delete;
  RewriteRule& operator=(const RewriteRule&) = delete;
  virtual ~RewriteRule() = default;

  // Rewrites the shape at `node` if it is the rule's; whether it did.
  virtual bool rewrite(PlanNode& node, QueryPlan& plan) const = 0;
};

// The node's payload as a node class, or null when it is another.
template <class Node>
Node* nodeAs(const PlanNode* node) {
  return node ? dynamic_cast<Node*>(node->payload.get()) : nullptr;
}

// Puts `payload` in the node's place; its children stay.
std::unique_ptr<AlgebraOperator> replacePayload(PlanNode& node, std::unique_ptr<AlgebraOperator> payload);

// Makes two nodes one: the node's left child goes, its children becoming the
// node's own. Gives the payload of the child that went.
std::unique_ptr<AlgebraOperator> absorbLeftChild(PlanNode& node);

}  // namespace qerix

#endif  // QERIX_PLAN_REWRITE_RULE_H
