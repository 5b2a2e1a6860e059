#ifndef QERIX_PLAN_PROJECTION_WHILE_LOADING_H
#define QERIX_PLAN_PROJECTION_WHILE_LOADING_H

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/compiled_condition.h"
#include "conditions/condition_tree.h"
#include "exec/loading/record_watcher.h"
#include "exec/sort/distinct_projections.h"

namespace qerix {

// A project over a loaded relation, or over a select over one (then the
// select's condition filters), made while its records are loaded. The
// loading thread tests the condition and projects, so that only projections
// are handed over to the thread that removes the duplicates.
class ProjectionWhileLoading : public LoadingWork {
 public:
  // `filter` is null for a project directly over the relation; `namePlaces`
  // are the project's, as for checkProjectNames.
  ProjectionWhileLoading(const std::vector<std::string>& attributeNames, NameLookup lookup,
                         const std::vector<std::string>& namePlaces, ConditionTree* filter);
  ~ProjectionWhileLoading() override;

  std::optional<std::string_view> prepare(std::string_view values) override;
  void offer(std::string_view projected) override { projections->addProjection(projected); }
  std::unique_ptr<Relation> resultFor(const Relation& input) override;

 protected:
  bool start(const Relation& relation) override;
  void complete() override { projections->finish(); }

 private:
  const std::vector<std::string>& names;
  const NameLookup lookup;
  const std::vector<std::string>& places;
  ConditionTree* const filter;
  std::optional<CompiledCondition> test;
  AttributeList types;  // of the projected fields
  std::optional<DistinctProjections> projections;
  std::string projection;  // of the record prepared last
};

}  // namespace qerix

#endif  // QERIX_PLAN_PROJECTION_WHILE_LOADING_H
