#include "plan/selection_projection_operator.h"

#include <ostream>

#include "algebra/project_operator.h"
#include "conditions/compiled_condition.h"
#include "exec/sort/distinct_projections.h"

namespace qerix {

SelectionProjectionOperator::SelectionProjectionOperator(std::unique_ptr<ConditionTree> selectCondition,
                                                         std::vector<std::string> names, NameLookup nameLookup,
                                                         std::vector<std::string> places)
    : condition(std::move(selectCondition)),
      attributeNames(std::move(names)),
      lookup(nameLookup),
      namePlaces(std::move(places)) {}

SelectionProjectionOperator::~SelectionProjectionOperator() = default;

void SelectionProjectionOperator::print(std::ostream& out) const {
  printWithCondition(out, "Select: ", condition.get());
  printProject(out, attributeNames);
}

void SelectionProjectionOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  const std::unique_ptr<Relation> input = takeOperand(left);
  if (!input) return;
  ProjectOperator::Projection projection =
      ProjectOperator::projectionOf(input->getAttributes(), attributeNames, lookup);
  result = std::make_unique<Relation>(projection.attributes);
  checkConditionNames(*condition, input->getAttributes());
  // In the order of the select and the project it stands for.
  if (input->isEmpty()) {
    checkProjectNames(input->getAttributes(), attributeNames, lookup, namePlaces);
    return;
  }
  bindCondition(*condition, input->getAttributes());
  checkProjectNames(input->getAttributes(), attributeNames, lookup, namePlaces);
  CompiledCondition filter(*condition);
  // Copying the first record that passes reads field 0.
  const bool readsFieldZero = projection.lacksAName();
  DistinctProjections projections(result->getAttributes(), std::move(projection.positions));
  for (RecordScanner scanner(*input); scanner.next();) {
    if (!filter.holdsFor(scanner.getCurrent())) continue;
    if (readsFieldZero) failGetValue();
    projections.add(scanner.getCurrent().getValues());
  }
  projections.moveTo(*result);
}

}  // namespace qerix
