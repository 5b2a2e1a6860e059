#include "plan/loading_work_rule.h"

#include "algebra/project_operator.h"
#include "algebra/select_operator.h"
#include "algebra/table_operator.h"
#include "plan/projection_while_loading.h"
#include "plan/selection_projection_operator.h"
#include "plan/selection_while_loading.h"
#include "plan/while_loading_operator.h"

namespace qerix {

namespace {

// The work a node over a loaded relation may do while it is loaded, if any.
std::unique_ptr<LoadingWork> workWhileLoading(AlgebraOperator& node) {
  if (auto* select = dynamic_cast<SelectOperator*>(&node)) {
    return std::make_unique<SelectionWhileLoading>(*select->getCondition());
  }
  if (auto* project = dynamic_cast<ProjectOperator*>(&node)) {
    return std::make_unique<ProjectionWhileLoading>(project->getAttributeNames(), project->getNameLookup(),
                                                    project->getNamePlaces(), nullptr);
  }
  if (auto* fused = dynamic_cast<SelectionProjectionOperator*>(&node)) {
    return std::make_unique<ProjectionWhileLoading>(fused->getAttributeNames(), fused->getNameLookup(),
                                                    fused->getNamePlaces(), fused->getCondition());
  }
  return nullptr;
}

}  // namespace

bool LoadingWorkRule::rewrite(PlanNode& node, QueryPlan& plan) const {
  const TableOperator* table = nodeAs<TableOperator>(node.left.get());
  // A named result of the program is no loaded relation: nothing to do while loading.
  if (!table || table->isNamedResult()) return false;
  std::unique_ptr<LoadingWork> work = workWhileLoading(*node.payload);
  if (!work) return false;
  auto watching = std::make_unique<WhileLoadingOperator>(std::move(node.payload), std::move(work));
  plan.watchedWhileLoading.push_back({table->getName(), watching->getWork()});
  node.payload = std::move(watching);
  return true;
}

}  // namespace qerix
