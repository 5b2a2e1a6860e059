#include "algebra/dummy_operator.h"

#include <ostream>

namespace qerix {

void DummyOperator::print(std::ostream& out) const { out << "Dummy\n"; }

void DummyOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) { result = takeOperand(left); }

}  // namespace qerix
