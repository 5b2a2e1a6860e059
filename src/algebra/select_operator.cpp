#include "algebra/select_operator.h"

#include <ostream>

#include "algebra/pair_selection.h"
#include "algebra/product_operator.h"
#include "conditions/logical_operators.h"
#include "query/condition_parser.h"

namespace qerix {

SelectOperator::SelectOperator() = default;

SelectOperator::~SelectOperator() = default;

void SelectOperator::setCondition(std::string_view text) {
  condition = std::make_unique<ConditionTree>(std::make_unique<DummyCondition>());
  parseCondition(*condition, text);
}

void SelectOperator::print(std::ostream& out) const {
  out << "Select: \n*\n";
  if (condition) {
    PrintVisitor<LogicalOperator> printer(out);
    condition->walkPreOrder(printer);
  }
  out << "*\n";
}

void SelectOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  if (auto* product = dynamic_cast<ProductOperator*>(left)) {
    // Test the pairs as they are formed instead of building the whole product.
    auto [first, second] = product->takeOperands();
    if (first && second) result = selectPairs(std::move(first), std::move(second), *condition);
    return;
  }
  const auto input = takeOperand(left);
  if (!input) return;
  result = std::make_unique<Relation>(input->getAttributes());
  if (input->isEmpty()) return;
  bindCondition(*condition, input->getAttributes());
  std::vector<bool> chosen;
  chosen.reserve(input->getRecordCount());
  for (RecordScanner scanner(*input); scanner.next();)
    chosen.push_back(evaluateCondition(*condition, scanner.getCurrent()));
  result->appendChosen(*input, std::move(chosen));
}

}  // namespace qerix
