#include "algebra/intersect_operator.h"

#include <ostream>

#include "algebra/minus_operator.h"
#include "exec/select/record_filter.h"

namespace qerix {

void IntersectOperator::print(std::ostream& out) const { out << "Intersect\n"; }

void IntersectOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const std::unique_ptr<Relation> first = takeOperand(left);
  const std::unique_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  result = std::make_unique<Relation>(first->getAttributes());
  if (first->isEmpty()) return;
  appendChosen(*result, *first, MinusOperator::findEqualRecords(*first, *second));
}

}  // namespace qerix
