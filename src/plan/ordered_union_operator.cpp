#include "plan/ordered_union_operator.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "algebra/union_operator.h"
#include "exec/pieces/record_pieces.h"
#include "exec/sort/merge_steps.h"
#include "exec/views/merged_records.h"

namespace qerix {

namespace {

using Step = MergedRecords::Step;

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
// if not). A large one is merged in two pieces at once, the second operand
// split before the first record of the second piece. Equal records on both
// sides of that point would pair otherwise than in one pass, so then the
// merge is done again in one pass.
bool mergeInFileOrder(const Relation& first, const Relation& second, std::vector<Step>& steps) {
  const std::span<const std::string_view> texts = second.getRecordTexts();
  std::string last;
  const auto pieces = piecesOf(first);
  if (pieces.size() != 2) return mergeAsRead(first, second, texts, steps, last);

  std::string secondPieceStart;
  {
    RecordScanner scanner(*pieces[1]);
    if (scanner.next()) secondPieceStart.assign(scanner.getCurrent().getValues());
  }
  const Record start(first, secondPieceStart);
  const auto split = std::partition_point(
      texts.begin(), texts.end(), [&](std::string_view text) { return start.compareTo(Record(second, text)) > 0; });
  std::vector<Step> secondSteps;
  std::string firstPieceLast;
  std::array<bool, 2> inOrder{};
  Scheduler::forEachPiece(2, [&](std::size_t piece) {
    if (piece == 0) {
      inOrder[0] = mergeAsRead(*pieces[0], second, {texts.begin(), split}, steps, firstPieceLast);
    } else {
      secondSteps.reserve(pieces[1]->getRecordCount() + static_cast<std::size_t>(texts.end() - split));
      inOrder[1] = mergeAsRead(*pieces[1], second, {split, texts.end()}, secondSteps, last);
    }
  });
  if (!inOrder[0] || !inOrder[1]) return false;
  const auto acrossPieces = Record(first, firstPieceLast).compareTo(start);
  if (acrossPieces > 0) return false;
  if (acrossPieces == 0) {
    steps.clear();
    return mergeAsRead(first, second, texts, steps, last);
  }
  steps.insert(steps.end(), secondSteps.begin(), secondSteps.end());
  return true;
}

}  // namespace

void OrderedUnionOperator::print(std::ostream& out) const { out << "Union\n"; }

void OrderedUnionOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  std::shared_ptr<Relation> first = takeOperand(left);
  std::shared_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  const bool mayMergeAsRead = !first->isEmpty() && !second->isEmpty() && !first->isInMemory() &&
                              first->getAttributeCount() == second->getAttributeCount();
  if (!mayMergeAsRead) {
    result = UnionOperator::unite(std::move(first), std::move(second));
    return;
  }
  UnionOperator::sortSecond(*first, *second);
  std::vector<Step> steps;
  steps.reserve(first->getRecordCount() + second->getRecordCount());
  if (!mergeInFileOrder(*first, *second, steps)) {
    result = UnionOperator::mergeSorted(std::move(first), std::move(second));
    return;
  }
  const int width = first->getAttributeCount();
  result = std::make_unique<Relation>(first->getAttributes());
  result->setRecordSource(
      std::make_shared<MergedRecords>(std::move(first), std::move(second), std::move(steps), width));
}

}  // namespace qerix
