#include "algebra/union_operator.h"

#include <algorithm>
#include <ostream>

#include "model/record_order.h"


namespace qerix {

namespace {

void appendAll(const Relation& source, Relation& target) {
  for (RecordScanner scanner(source); scanner.next();) target.appendCopy(scanner.getCurrent());
}

// A relation's records in ascending order under given types, over the first
// fieldCount fields; seen through the sorted positions, not moved.
class SortedRecords {
 public:
  SortedRecords(const Relation& input, const AttributeList& types, int fieldCount)
      : relation(input), order(sortedPositions(input.getRecordTexts(), types, fieldCount)) {}

  std::size_t size() const { return relation.getRecordCount(); }
  Record at(std::size_t index) const {
    return relation.getRecord(order.empty() ? index : order[index]);
  }

 private:
  const Relation& relation;
  const std::vector<std::uint32_t> order;  // empty when the records are in order already
};

}  // namespace

void UnionOperator::print(std::ostream& out) const { out << "Union\n"; }

void UnionOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const auto first = takeOperand(left);
  const auto second = takeOperand(right);
  if (!first || !second) return;
  result = std::make_unique<Relation>(first->getAttributes());
  if (first->isEmpty() || second->isEmpty()) {
    appendAll(*first, *result);
    appendAll(*second, *result);
    return;
  }

  first->materialize();
  second->materialize();
  const AttributeList& types = first->getAttributes();
  const int sharedCount = std::min(first->getAttributeCount(), second->getAttributeCount());
  // Both in ascending order under the first operand's types; the second over
  // the fields both have.
  const SortedRecords firstRecords(*first, types, first->getAttributeCount());
  const SortedRecords secondRecords(*second, types, sharedCount);
  result->reserveRecords(firstRecords.size() + secondRecords.size());

  // The merge: of two equal records, one from each side, the first side's is kept.
  std::size_t firstIndex = 0;
  std::size_t secondIndex = 0;
  while (firstIndex < firstRecords.size() || secondIndex < secondRecords.size()) {
    if (firstIndex == firstRecords.size()) {
      result->appendCopy(secondRecords.at(secondIndex++));
      continue;
    }
    const Record firstRecord = firstRecords.at(firstIndex);
    if (secondIndex == secondRecords.size()) {
      result->appendCopy(firstRecord);
      ++firstIndex;
      continue;
    }
    const Record secondRecord = secondRecords.at(secondIndex);
    const auto order = firstRecord.compareTo(secondRecord);
    if (order > 0) {
      result->appendCopy(secondRecord);
      ++secondIndex;
    } else {
      result->appendCopy(firstRecord);
      ++firstIndex;
      if (order == 0) ++secondIndex;
    }
  }
}

}  // namespace qerix
