#ifndef QERIX_PLAN_SELECTION_WHILE_LOADING_H
#define QERIX_PLAN_SELECTION_WHILE_LOADING_H

#include <memory>
#include <optional>
#include <string_view>

#include "conditions/condition_tree.h"
#include "exec/loading/record_watcher.h"
#include "exec/select/record_filter.h"

namespace qerix {

// A select over a loaded relation, made while its records are loaded.
// Testing a record costs less than handing it over, so the selection is
// made in the loading thread and nothing is offered.
class SelectionWhileLoading : public LoadingWork {
 public:
  explicit SelectionWhileLoading(ConditionTree& condition);
  ~SelectionWhileLoading() override;

  std::optional<std::string_view> prepare(std::string_view values) override;
  void offer(std::string_view /*prepared*/) override {}
  std::unique_ptr<Relation> resultFor(const Relation& input) override;

 protected:
  bool start(const Relation& relation) override;

 private:
  ConditionTree& tested;
  std::optional<RecordFilter> selection;
};

}  // namespace qerix

#endif  // QERIX_PLAN_SELECTION_WHILE_LOADING_H
