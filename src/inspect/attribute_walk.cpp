#include "inspect/attribute_walk.h"

#include <unordered_map>

#include "algebra/dummy_operator.h"
#include "inspect/form_texts.h"
#include "model/fatal_error.h"
#include "query/program_text.h"
#include "query/query_parser.h"
#include "query/textbook_parser.h"

namespace qerix {

AttributeWalk::AttributeWalk(std::string_view query, const RelationList& relations, QueryLanguage language)
    : tree(std::make_unique<DummyOperator>()) {
  for (const auto& relation : relations) {
    copies.push_back(std::make_unique<Relation>(relation->getAttributes()));
    copies.back()->setName(relation->getName());
  }
  parsed = !failureOf([&] { parseQuery(tree, query, copies, language); }, "");
  if (!parsed) return;
  nodes = nodesInTextOrder(tree);
  // A program's statements are no one prefix query: its nodes go without forms.
  if (language == QueryLanguage::extended && startsProgram(query)) return;
  prefixQuery = prefixTextOf(query, language);
  forms = formTexts(prefixQuery, language);
  if (forms.size() != nodes.size()) forms.clear();
}

AttributeWalk::~AttributeWalk() = default;

std::string AttributeWalk::walk(const Visit& visit) {
  if (!parsed) return "";
  // Forms stand in the text in pre-order; the walk meets nodes in post-order.
  std::unordered_map<const TreeNode<AlgebraOperator>*, std::size_t> formIndex;
  for (std::size_t index = 0; index < nodes.size(); ++index) formIndex.emplace(nodes[index], index);
  std::string failure;
  auto evaluate = [&](auto& self, TreeNode<AlgebraOperator>& node) -> bool {
    if (node.left && !self(self, *node.left)) return false;
    if (node.right && !self(self, *node.right)) return false;
    const auto found = formIndex.find(&node);
    const std::size_t index = found == formIndex.end() ? nodes.size() : found->second;
    visit(node, node.left ? node.left->payload->getResult() : nullptr,
          node.right ? node.right->payload->getResult() : nullptr, index < forms.size() ? forms[index] : "", index);
    const auto message = failureOf([&] { node.payload->evaluate(node.leftPayload(), node.rightPayload()); }, "");
    if (!message) return true;
    failure = *message;
    return false;
  };
  evaluate(evaluate, tree.getRoot());
  return failure;
}

std::vector<TreeNode<AlgebraOperator>*> nodesInTextOrder(AlgebraTree& tree) {
  std::vector<TreeNode<AlgebraOperator>*> nodes;
  auto collect = [&](auto& self, TreeNode<AlgebraOperator>& node) -> void {
    nodes.push_back(&node);
    if (node.left) self(self, *node.left);
    if (node.right) self(self, *node.right);
  };
  if (TreeNode<AlgebraOperator>* top = tree.getRoot().left.get()) collect(collect, *top);
  return nodes;
}

}  // namespace qerix
