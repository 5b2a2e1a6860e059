#include "conditions/logical_operators.h"

namespace qerix {

void AndOperator::print(std::ostream& out) const { printNamed(out, "AND"); }

void AndOperator::evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& /*record*/) {
  // Three-valued: false wins over unknown, unknown over true.
  result = left->getResult() && right->getResult();
  // Neither false and not both true: one is unknown.
  unknown = !result && (left->getResult() || left->isUnknown()) && (right->getResult() || right->isUnknown());
}

void OrOperator::print(std::ostream& out) const { printNamed(out, "OR"); }

void OrOperator::evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& /*record*/) {
  // Three-valued: true wins over unknown, unknown over false.
  result = left->getResult() || right->getResult();
  unknown = !result && (left->isUnknown() || right->isUnknown());
}

void NotOperator::print(std::ostream& out) const { printNamed(out, "NOT"); }

void NotOperator::evaluate(const LogicalOperator* left, const LogicalOperator* /*right*/, const Record& /*record*/) {
  unknown = left->isUnknown();
  result = !left->getResult() && !unknown;
}

void DummyCondition::print(std::ostream& out) const { printNamed(out, "DUMMY"); }

void DummyCondition::evaluate(const LogicalOperator* left, const LogicalOperator* /*right*/, const Record& /*record*/) {
  result = left->getResult();
  unknown = left->isUnknown();
}

}  // namespace qerix
