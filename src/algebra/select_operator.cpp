#include "algebra/select_operator.h"

#include <optional>
#include <ostream>

#include "algebra/pair_selection.h"
#include "algebra/product_operator.h"
#include "algebra/selection.h"
#include "conditions/logical_operators.h"
#include "query/condition_parser.h"

namespace qerix {

class SelectOperator::SelectionWhileLoading : public LoadingWork {
 public:
  explicit SelectionWhileLoading(ConditionTree& tested) : condition(tested) {}

  // Testing a record costs less than handing it over: the selection is made
  // in the loading thread, and nothing is offered.
  std::optional<std::string_view> prepare(std::string_view values) override {
    selection->offer(Record(loadingRelation(), values));
    return std::nullopt;
  }
  void offer(std::string_view /*prepared*/) override {}

  // Moves the selection to `result` if it was made of `input`'s records.
  bool moveTo(Relation& result, const Relation& input) {
    if (!isWorkOn(input)) return false;
    selection->moveTo(result, input);
    return true;
  }

 protected:
  bool start(const Relation& relation) override {
    selection.reset();
    // A mismatch of types is for the select's own evaluation to report.
    if (!tryBindCondition(condition, relation.getAttributes())) return false;
    selection.emplace(condition, Selection::Input::inFile);
    return true;
  }

 private:
  ConditionTree& condition;
  std::optional<Selection> selection;
};

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
  auto input = takeOperand(left);
  if (!input) return;
  result = std::make_unique<Relation>(input->getAttributes());
  if (input->isEmpty()) return;
  // A mismatch of types ends the run here; reading the records can end it no more.
  bindCondition(*condition, input->getAttributes());
  unreadInput = std::move(input);
}

Relation* SelectOperator::getResult() {
  readInput();
  return result.get();
}

std::unique_ptr<Relation> SelectOperator::takeResult() {
  readInput();
  return std::move(result);
}

std::unique_ptr<Relation> SelectOperator::takeUnreadInput() { return std::move(unreadInput); }

RecordWatcher& SelectOperator::watchInputWhileLoading() {
  whileLoading = std::make_unique<SelectionWhileLoading>(*condition);
  return *whileLoading;
}

void SelectOperator::readInput() {
  if (!unreadInput) return;
  const std::unique_ptr<Relation> input = std::move(unreadInput);
  if (whileLoading && whileLoading->moveTo(*result, *input)) return;
  Selection selection(*condition, input->isInMemory() ? Selection::Input::inMemory : Selection::Input::inFile);
  for (RecordScanner scanner(*input); scanner.next();) selection.offer(scanner.getCurrent());
  selection.moveTo(*result, *input);
}

}  // namespace qerix
