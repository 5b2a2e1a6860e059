#include "algebra/union_operator.h"

#include <algorithm>
#include <ostream>
#include <span>
#include <string>

#include "model/merged_records.h"
#include "model/prefetch.h"
#include "model/record_order.h"
#include "model/two_threads.h"

namespace qerix {

namespace {

using Step = MergedRecords::Step;

void appendAll(const Relation& source, Relation& target) {
  for (RecordScanner scanner(source); scanner.next();) target.appendCopy(scanner.getCurrent());
}

// The merge of the first operand, read through nextFirst(values) in
// ascending order, with records of the second, in memory and in order: of
// two equal records, one from each side, the first side's is kept. When
// `checkOrder` is set, gives up (returning false) as soon as the first
// operand's records turn out not to be ascending, and `previous` ends with
// the last record read.
template <class NextFirst>
bool mergeSteps(const Relation& first, const Relation& second, std::span<const std::string_view> secondTexts,
                bool checkOrder, std::vector<Step>& steps, std::string& previous, NextFirst nextFirst) {
  const int width = first.getAttributeCount();
  const int secondWidth = second.getAttributeCount();
  std::string_view firstValues;
  bool firstLeft = nextFirst(firstValues);
  auto takeFirst = [&] {
    if (checkOrder) previous.assign(firstValues);
    firstLeft = nextFirst(firstValues);
    return !(checkOrder && firstLeft && compareValues(first.getAttributes(), width, firstValues, previous) < 0);
  };
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

// Merges `records`, still in the input file, with `secondTexts` as they are
// read; false as soon as they turn out not to be ascending. `last` gets the
// last record read.
bool mergeAsRead(const Relation& records, const Relation& second, std::span<const std::string_view> secondTexts,
                 std::vector<Step>& steps, std::string& last) {
  RecordScanner scanner(records);
  return mergeSteps(records, second, secondTexts, true, steps, last, [&](std::string_view& values) {
    if (!scanner.next()) return false;
    values = scanner.getCurrent().getValues();
    return true;
  });
}

// The merge of a first operand in the input file, if it is in order (false
// if not). A large one is merged in two halves at once, the second operand
// split before the first record of the second half. Equal records on both
// sides of that point would pair otherwise than in one pass, so then the
// merge is done again in one pass.
bool mergeInFileOrder(const Relation& first, const Relation& second, std::vector<Step>& steps) {
  const std::span<const std::string_view> texts = second.getRecordTexts();
  std::string last;
  const auto halves = first.halves();
  if (halves.empty()) return mergeAsRead(first, second, texts, steps, last);

  std::string secondHalfStart;
  {
    RecordScanner scanner(*halves[1]);
    if (scanner.next()) secondHalfStart.assign(scanner.getCurrent().getValues());
  }
  const Record start(first, secondHalfStart);
  const auto split = std::partition_point(texts.begin(), texts.end(), [&](std::string_view text) {
    return start.compareTo(Record(second, text)) > 0;
  });
  std::vector<Step> secondSteps;
  std::string firstHalfLast;
  bool inOrder = false;
  bool secondInOrder = false;
  inTwoThreads(
      [&] { inOrder = mergeAsRead(*halves[0], second, {texts.begin(), split}, steps, firstHalfLast); },
      [&] {
        secondSteps.reserve(halves[1]->getRecordCount() + static_cast<std::size_t>(texts.end() - split));
        secondInOrder = mergeAsRead(*halves[1], second, {split, texts.end()}, secondSteps, last);
      });
  if (!inOrder || !secondInOrder) return false;
  const auto acrossHalves = Record(first, firstHalfLast).compareTo(start);
  if (acrossHalves > 0) return false;
  if (acrossHalves == 0) {
    steps.clear();
    return mergeAsRead(first, second, texts, steps, last);
  }
  steps.insert(steps.end(), secondSteps.begin(), secondSteps.end());
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
  const bool merged = !first->isInMemory() && secondWidth == width && mergeInFileOrder(*first, *second, steps);
  if (!merged) {
    steps.clear();
    first->materialize();
    first->sortRecords();
    const auto& texts = first->getRecordTexts();
    std::size_t taken = 0;
    std::string unused;
    mergeSteps(*first, *second, second->getRecordTexts(), false, steps, unused, [&](std::string_view& values) {
      if (taken == texts.size()) return false;
      values = texts[taken++];
      return true;
    });
  }
  result->setRecordSource(std::make_shared<MergedRecords>(first, second, std::move(steps), width));
}

}  // namespace qerix
