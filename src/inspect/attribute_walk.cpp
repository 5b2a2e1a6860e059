#include "inspect/attribute_walk.h"

#include "algebra/dummy_operator.h"
#include "model/fatal_error.h"
#include "query/query_parser.h"

namespace qerix {

AttributeWalk::AttributeWalk(std::string_view query, const RelationList& relations, QueryLanguage language)
    : tree(std::make_unique<DummyOperator>()) {
  for (const auto& relation : relations) {
    copies.push_back(std::make_unique<Relation>(relation->getAttributes()));
    copies.back()->setName(relation->getName());
  }
  parsed = !failureOf([&] { parseQuery(tree, query, copies, language); }, "");
}

AttributeWalk::~AttributeWalk() = default;

std::string AttributeWalk::walk(const Visit& visit) {
  if (!parsed) return "";
  std::string failure;
  auto evaluate = [&](auto& self, TreeNode<AlgebraOperator>& node) -> bool {
    if (node.left && !self(self, *node.left)) return false;
    if (node.right && !self(self, *node.right)) return false;
    visit(node, node.left ? node.left->payload->getResult() : nullptr,
          node.right ? node.right->payload->getResult() : nullptr);
    const auto message = failureOf([&] { node.payload->evaluate(node.leftPayload(), node.rightPayload()); }, "");
    if (!message) return true;
    failure = *message;
    return false;
  };
  evaluate(evaluate, tree.getRoot());
  return failure;
}

std::vector<TreeNode<AlgebraOperator>*> AttributeWalk::nodesInTextOrder() {
  std::vector<TreeNode<AlgebraOperator>*> nodes;
  if (!parsed) return nodes;
  auto collect = [&](auto& self, TreeNode<AlgebraOperator>& node) -> void {
    nodes.push_back(&node);
    if (node.left) self(self, *node.left);
    if (node.right) self(self, *node.right);
  };
  if (TreeNode<AlgebraOperator>* top = tree.getRoot().left.get()) collect(collect, *top);
  return nodes;
}

}  // namespace qerix
