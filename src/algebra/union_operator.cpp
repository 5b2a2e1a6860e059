#include "algebra/union_operator.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "model/merged_records.h"
#include "model/prefetch.h"
#include "model/record_order.h"

namespace qerix {

namespace {

using Step = MergedRecords::Step;

void appendAll(const Relation& source, Relation& target) {
  for (RecordScanner scanner(source); scanner.next();) target.appendCopy(scanner.getCurrent());
}

// The merge of the first operand, read through nextFirst(values) in
// ascending order, with the second, in memory and in order: of two equal records, one from
// each side, the first side's is kept. When `checkOrder` is set, gives up
// (returning false) as soon as the first operand's records turn out not to
// be ascending.
template <class NextFirst>
bool mergeSteps(const Relation& first, const Relation& second, bool checkOrder, std::vector<Step>& steps,
                NextFirst nextFirst) {
  const int width = first.getAttributeCount();
  const int secondWidth = second.getAttributeCount();
  std::string previous;
  std::string_view firstValues;
  bool firstLeft = nextFirst(firstValues);
  auto takeFirst = [&] {
    if (checkOrder) previous.assign(firstValues);
    firstLeft = nextFirst(firstValues);
    return !(checkOrder && firstLeft && compareValues(first.getAttributes(), width, firstValues, previous) < 0);
  };
  const std::vector<std::string_view>& secondTexts = second.getRecordTexts();
  std::size_t secondIndex = 0;
  while (firstLeft || secondIndex < secondTexts.size()) {
    std::weak_ordering order = std::weak_ordering::greater;  // with the first exhausted, the second's comes
    if (secondIndex + prefetchDistance < secondTexts.size())
      prefetch(secondTexts[secondIndex + prefetchDistance].data());
    if (firstLeft && secondIndex < secondTexts.size()) {
      order = Record(first, firstValues).compareTo(Record(second, secondTexts[secondIndex]));
    } else if (firstLeft) {
      order = std::weak_ordering::less;
    }
    if (order > 0) {
      // Copying a record with more values than the result has ends the run.
      if (secondWidth > width) failSetValue();
      steps.push_back(Step::second);
      ++secondIndex;
      continue;
    }
    steps.push_back(order == 0 ? Step::firstOverSecond : Step::first);
    if (order == 0) ++secondIndex;
    if (!takeFirst()) return false;
  }
  return true;
}

}  // namespace

void UnionOperator::print(std::ostream& out) const { out << "Union\n"; }

void UnionOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  std::shared_ptr<Relation> first = takeOperand(left);
  std::shared_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  result = std::make_unique<Relation>(first->getAttributes());
  if (first->isEmpty() || second->isEmpty()) {
    appendAll(*first, *result);
    appendAll(*second, *result);
    return;
  }

  second->materialize();
  const AttributeList& types = first->getAttributes();
  const int width = first->getAttributeCount();
  const int secondWidth = second->getAttributeCount();
  // Both operands in ascending order under the first operand's types; the
  // second over the fields both have. Records sorted in memory are moved into
  // that order, so that the merge and whoever reads the result go through
  // them front to back.
  second->sortRecords(types, std::min(width, secondWidth));
  std::vector<Step> steps;
  steps.reserve(first->getRecordCount() + second->getRecordCount());

  // A first operand still in the input file and already in order is merged
  // as it is read, and stays there. Trying is safe only where no comparison
  // or copy can end the run, since an unordered first operand would compare
  // other pairs than the sorted one does.
  bool merged = false;
  if (!first->isInMemory() && secondWidth == width) {
    RecordScanner scanner(*first);
    merged = mergeSteps(*first, *second, true, steps, [&](std::string_view& values) {
      if (!scanner.next()) return false;
      values = scanner.getCurrent().getValues();
      return true;
    });
  }
  if (!merged) {
    steps.clear();
    first->materialize();
    first->sortRecords();
    const auto& texts = first->getRecordTexts();
    std::size_t taken = 0;
    mergeSteps(*first, *second, false, steps, [&](std::string_view& values) {
      if (taken == texts.size()) return false;
      values = texts[taken++];
      return true;
    });
  }
  result->setRecordSource(std::make_shared<MergedRecords>(first, second, std::move(steps), width));
}

}  // namespace qerix
