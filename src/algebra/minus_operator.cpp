#include "algebra/minus_operator.h"

#include <algorithm>
#include <ostream>

#include "exec/hash/record_set.h"
#include "exec/select/record_filter.h"

namespace qerix {

void MinusOperator::print(std::ostream& out) const { out << "Minus\n"; }

void MinusOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const std::unique_ptr<Relation> first = takeOperand(left);
  const std::unique_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  result = std::make_unique<Relation>(first->getAttributes());
  if (first->isEmpty()) return;
  std::vector<bool> kept = findEqualRecords(*first, *second);
  kept.flip();
  appendChosen(*result, *first, std::move(kept));
}

std::vector<bool> MinusOperator::findEqualRecords(const Relation& first, const Relation& second) {
  const int fieldCount = first.getAttributeCount();
  const int sharedCount = std::min(fieldCount, second.getAttributeCount());
  const RecordSet held(second, KeyFields::leading(sharedCount), first.getAttributes().leading(sharedCount));
  std::vector<bool> found = held.findEach(first, KeyFields::leading(sharedCount));
  if (sharedCount < fieldCount && std::find(found.begin(), found.end(), true) != found.end()) failGetValue();
  return found;
}

}  // namespace qerix
