#include "algebra/named_result_operator.h"

#include <ostream>

namespace qerix {

void NamedResultOperator::print(std::ostream& out) const { out << name << " <-\n"; }

void NamedResultOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  // The references have taken their copies: the statement's result goes now.
  takeOperand(left);
  result = takeOperand(right);
}

}  // namespace qerix
