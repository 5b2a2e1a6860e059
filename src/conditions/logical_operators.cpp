#include "conditions/logical_operators.h"

namespace qerix {

void AndOperator::print(std::ostream& out) const { printNamed(out, "AND"); }

void AndOperator::evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& /*record*/) {
  result = left->getResult() && right->getResult();
}

void OrOperator::print(std::ostream& out) const { printNamed(out, "OR"); }

void OrOperator::evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& /*record*/) {
  result = left->getResult() || right->getResult();
}

void NotOperator::print(std::ostream& out) const { printNamed(out, "NOT"); }

void NotOperator::evaluate(const LogicalOperator* left, const LogicalOperator* /*right*/, const Record& /*record*/) {
  result = !left->getResult();
}

void DummyCondition::print(std::ostream& out) const { printNamed(out, "DUMMY"); }

void DummyCondition::evaluate(const LogicalOperator* left, const LogicalOperator* /*right*/, const Record& /*record*/) {
  result = left->getResult();
}

}  // namespace qerix
