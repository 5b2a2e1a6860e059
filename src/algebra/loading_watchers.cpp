#include "algebra/loading_watchers.h"

#include <set>

#include "algebra/project_operator.h"
#include "algebra/select_operator.h"
#include "algebra/table_operator.h"

namespace qerix {

namespace {

const TableOperator* tableOf(const TreeNode<AlgebraOperator>* node) {
  return node ? dynamic_cast<const TableOperator*>(node->payload.get()) : nullptr;
}

class WatcherFinder : public TreeVisitor<AlgebraOperator> {
 public:
  // Each node before its children: a project claims the select below it first.
  void visit(TreeNode<AlgebraOperator>& node, int /*depth*/) override {
    const TreeNode<AlgebraOperator>* operand = node.left.get();
    if (auto* project = dynamic_cast<ProjectOperator*>(node.payload.get())) {
      auto* select = operand ? dynamic_cast<SelectOperator*>(operand->payload.get()) : nullptr;
      if (const TableOperator* selected = select ? tableOf(operand->left.get()) : nullptr) {
        watchers.push_back({selected->getName(), project->watchInputWhileLoading(&select->getCondition())});
        claimed.insert(select);
      } else if (const TableOperator* table = tableOf(operand)) {
        watchers.push_back({table->getName(), project->watchInputWhileLoading(nullptr)});
      }
    } else if (auto* select = dynamic_cast<SelectOperator*>(node.payload.get())) {
      const TableOperator* table = tableOf(operand);
      if (table && claimed.count(select) == 0) {
        watchers.push_back({table->getName(), select->watchInputWhileLoading()});
      }
    }
  }

  std::vector<WatchedRelation> watchers;

 private:
  std::set<const SelectOperator*> claimed;
};

}  // namespace

std::vector<WatchedRelation> watchersWhileLoading(AlgebraTree& tree) {
  WatcherFinder finder;
  tree.walkPreOrder(finder);
  return std::move(finder.watchers);
}

}  // namespace qerix
