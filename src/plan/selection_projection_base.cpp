#include "plan/selection_projection_base.h"

#include <ostream>

namespace qerix {

SelectionProjectionBase::SelectionProjectionBase(std::unique_ptr<ConditionTree> selectCondition,
                                                 std::vector<std::string> names, NameLookup nameLookup,
                                                 std::vector<std::string> places)
    : condition(std::move(selectCondition)),
      attributeNames(std::move(names)),
      lookup(nameLookup),
      namePlaces(std::move(places)) {}

SelectionProjectionBase::~SelectionProjectionBase() = default;

void SelectionProjectionBase::print(std::ostream& out) const {
  printWithCondition(out, "Select: ", condition.get());
  printProject(out, attributeNames);
}

ProjectOperator::Projection SelectionProjectionBase::prepare(const AttributeList& attributes, bool hasRecords) {
  ProjectOperator::Projection projection = ProjectOperator::projectionOf(attributes, attributeNames, lookup);
  result = std::make_unique<Relation>(projection.attributes);
  checkConditionNames(*condition, attributes);
  // In the order of the select and the project it stands for.
  if (hasRecords) bindCondition(*condition, attributes);
  checkProjectNames(attributes, attributeNames, lookup, namePlaces);
  return projection;
}

}  // namespace qerix
