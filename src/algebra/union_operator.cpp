#include "algebra/union_operator.h"

#include <algorithm>
#include <ostream>


namespace qerix {

namespace {

void appendAll(const Relation& source, Relation& target) {
  for (RecordScanner scanner(source); scanner.next();) target.appendCopy(scanner.getCurrent());
}

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
  first->sortRecords(types, first->getAttributeCount());
  second->sortRecords(types, sharedCount);
  const auto& firstRecords = first->getRecordTexts();
  const auto& secondRecords = second->getRecordTexts();
  result->reserveRecords(firstRecords.size() + secondRecords.size());

  // The merge: of two equal records, one from each side, the first side's is kept.
  std::size_t firstIndex = 0;
  std::size_t secondIndex = 0;
  while (firstIndex < firstRecords.size() || secondIndex < secondRecords.size()) {
    if (firstIndex == firstRecords.size()) {
      result->appendCopy(Record(*second, secondRecords[secondIndex++]));
      continue;
    }
    const Record firstRecord(*first, firstRecords[firstIndex]);
    if (secondIndex == secondRecords.size()) {
      result->appendCopy(firstRecord);
      ++firstIndex;
      continue;
    }
    const Record secondRecord(*second, secondRecords[secondIndex]);
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
