#include "plan/selection_projection_operator.h"

namespace qerix {

void SelectionProjectionOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  const std::unique_ptr<Relation> input = takeOperand(left);
  if (!input) return;
  ProjectOperator::Projection projection = prepare(input->getAttributes(), !input->isEmpty());
  if (input->isEmpty()) return;
  CompiledCondition filter(*getCondition());
  const bool readsFieldZero = projection.lacksAName();
  DistinctProjections projections(result->getAttributes(), std::move(projection.positions));
  for (RecordScanner scanner(*input); scanner.next();) {
    addWhenPasses(filter, scanner.getCurrent(), readsFieldZero, projections);
  }
  projections.moveTo(*result);
}

}  // namespace qerix
