#include "algebra/select_operator.h"

#include <ostream>

#include "conditions/condition_parser.h"
#include "conditions/logical_operators.h"
#include "exec/select/record_filter.h"

namespace qerix {

SelectOperator::SelectOperator() = default;

SelectOperator::~SelectOperator() = default;

void SelectOperator::setCondition(std::string_view text) {
  condition = std::make_unique<ConditionTree>(std::make_unique<DummyCondition>());
  parseCondition(*condition, text);
}

void SelectOperator::print(std::ostream& out) const { printWithCondition(out, "Select: ", condition.get()); }

void SelectOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  const std::unique_ptr<Relation> input = takeOperand(left);
  if (input) result = select(*input, *condition);
}

std::unique_ptr<Relation> SelectOperator::select(const Relation& input, ConditionTree& condition) {
  auto selected = std::make_unique<Relation>(input.getAttributes());
  checkConditionNames(condition, input.getAttributes());
  if (input.isEmpty()) return selected;
  // A mismatch of types ends the run here, as it would on the first record.
  bindCondition(condition, input.getAttributes());
  RecordFilter selection(condition, input.isInMemory() ? RecordFilter::Input::inMemory : RecordFilter::Input::inFile);
  for (RecordScanner scanner(input); scanner.next();) selection.offer(scanner.getCurrent());
  selection.moveTo(*selected, input);
  return selected;
}

}  // namespace qerix
