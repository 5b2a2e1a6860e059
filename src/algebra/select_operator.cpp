#include "algebra/select_operator.h"

#include <optional>
#include <ostream>

#include "algebra/pair_selection.h"
#include "algebra/product_operator.h"
#include "conditions/compiled_condition.h"
#include "conditions/logical_operators.h"
#include "model/text_arena.h"
#include "query/condition_parser.h"

namespace qerix {

namespace {

// A result much smaller than an input still in the input file is cheaper to
// copy while the input is read than to find again by reading the input once
// more. This copies passing records until they grow past a quarter of the
// bytes read, and then gives up.
class SmallResultCopy {
 public:
  explicit SmallResultCopy(bool inputInFile) : kept(inputInFile) {}

  void offer(std::string_view values, bool passes) {
    if (!kept) return;
    readBytes += values.size() + 1;
    if (passes) {
      texts.push_back(arena->store(values));
      keptBytes += values.size() + 1;
    }
    constexpr std::size_t judgedAfter = std::size_t{1} << 20;
    if (readBytes >= judgedAfter && keptBytes > readBytes / 4) {
      kept = false;
      texts = {};
      arena.reset();
    }
  }

  bool isKept() const { return kept; }

  void moveTo(Relation& result) {
    result.keepTextAlive(arena);
    result.appendRecordTexts(std::move(texts));
  }

 private:
  bool kept;
  std::shared_ptr<TextArena> arena = std::make_shared<TextArena>();
  std::vector<std::string_view> texts;
  std::size_t readBytes = 0;
  std::size_t keptBytes = 0;
};

// The records of an input for which a bound condition holds, gathered while
// the input is read once, in order.
class Selection {
 public:
  Selection(ConditionTree& condition, bool inputInFile) : test(condition), copy(inputInFile) {}

  void offer(const Record& record) {
    const bool passes = test.holdsFor(record);
    chosen.push_back(passes);
    copy.offer(record.getValues(), passes);
  }

  void moveTo(Relation& result, const Relation& input) {
    if (copy.isKept()) {
      copy.moveTo(result);
    } else {
      result.appendChosen(input, std::move(chosen));
    }
  }

 private:
  CompiledCondition test;
  SmallResultCopy copy;
  std::vector<bool> chosen;
};

}  // namespace

class SelectOperator::SelectionWhileLoading : public RecordWatcher {
 public:
  explicit SelectionWhileLoading(ConditionTree& tested) : condition(tested) {}

  bool begin(const Relation& relation) override {
    selection.reset();
    watched.reset();
    // A mismatch of types is for the select's own evaluation to report.
    if (!tryBindCondition(condition, relation.getAttributes())) return false;
    loading = &relation;
    selection.emplace(condition, true);
    return true;
  }

  void offer(std::string_view values) override { selection->offer(Record(*loading, values)); }

  void end(const Relation& relation) override {
    if (selection) watched = std::make_unique<Relation>(relation);
  }

  // Moves the selection to `result` if it was made of `input`'s records.
  bool moveTo(Relation& result, const Relation& input) {
    if (!watched || !input.sharesSourceWith(*watched)) return false;
    selection->moveTo(result, input);
    return true;
  }

 private:
  ConditionTree& condition;
  const Relation* loading = nullptr;
  std::optional<Selection> selection;
  std::unique_ptr<Relation> watched;  // shares the records the selection was made of
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
  Selection selection(*condition, !input->isInMemory());
  for (RecordScanner scanner(*input); scanner.next();) selection.offer(scanner.getCurrent());
  selection.moveTo(*result, *input);
}

}  // namespace qerix
