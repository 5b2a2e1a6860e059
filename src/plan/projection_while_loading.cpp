#include "plan/projection_while_loading.h"

#include "algebra/project_operator.h"

namespace qerix {

ProjectionWhileLoading::ProjectionWhileLoading(const std::vector<std::string>& attributeNames, NameLookup nameLookup,
                                               const std::vector<std::string>& namePlaces,
                                               ConditionTree* selectCondition)
    : names(attributeNames), lookup(nameLookup), places(namePlaces), filter(selectCondition) {}

ProjectionWhileLoading::~ProjectionWhileLoading() = default;

std::optional<std::string_view> ProjectionWhileLoading::prepare(std::string_view values) {
  if (test && !test->holdsForFullRecord(Record(loadingRelation(), values))) return std::nullopt;
  projection.clear();
  projections->project(values, projection);
  return projection;
}

std::unique_ptr<Relation> ProjectionWhileLoading::resultFor(const Relation& /*input*/) {
  auto projected = std::make_unique<Relation>(types);
  projections->moveTo(*projected);
  return projected;
}

bool ProjectionWhileLoading::start(const Relation& relation) {
  projections.reset();
  test.reset();
  // A missing or shared name or a mismatch of types is for the evaluation to report.
  if (!passesProjectNames(relation.getAttributes(), names, lookup, places)) return false;
  ProjectOperator::Projection projected = ProjectOperator::projectionOf(relation.getAttributes(), names, lookup);
  if (projected.lacksAName()) return false;
  if (filter) {
    if (!tryBindCondition(*filter, relation.getAttributes())) return false;
    test.emplace(*filter);
  }
  types = std::move(projected.attributes);
  projections.emplace(types, std::move(projected.positions));
  return true;
}

}  // namespace qerix
