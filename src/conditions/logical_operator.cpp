#include "conditions/logical_operator.h"

#include <ostream>

namespace qerix {

void LogicalOperator::print(std::ostream& out) const { out << "Default Logical Operator\n"; }

void LogicalOperator::bind(const AttributeList& /*attributes*/) {}

void LogicalOperator::addOperand(std::string_view text) {
  if (operand1.empty()) {
    operand1 = text;
  } else {
    operand2 = text;
  }
}

void LogicalOperator::printNamed(std::ostream& out, std::string_view name) const {
  out << name;
  if (!operand1.empty()) out << ": " << operand1 << ", " << operand2;
  out << '\n';
}

}  // namespace qerix
