#include "conditions/comparison_operator.h"

#include "model/attribute_list.h"
#include "model/fatal_error.h"
#include "model/record.h"
#include "model/record_order.h"

namespace qerix {

namespace {
constexpr std::string_view typeMismatchMessage = "Nem azonos a ket attributum tipusa!";
}  // namespace

void failTypeMismatch() { fatal(typeMismatchMessage); }

void ComparisonOperator::print(std::ostream& out) const { printNamed(out, getName()); }

void ComparisonOperator::bind(const AttributeList& attributes) {
  position1 = attributes.getAttributeIndex(operand1);
  position2 = attributes.getAttributeIndex(operand2);
  if (position1 > 0 && position2 > 0 &&
      attributes.getAttributeType(position1) != attributes.getAttributeType(position2)) {
    failTypeMismatch();
  }
  numeric = attributes.isNumeric(position1 > 0 ? position1 : position2);
}

void ComparisonOperator::evaluate(const LogicalOperator* /*left*/, const LogicalOperator* /*right*/,
                                  const Record& record) {
  if (position1 == 0 && position2 == 0) return;
  const std::string_view leftValue = position1 > 0 ? record.getValue(position1) : std::string_view(operand1);
  const std::string_view rightValue = position2 > 0 ? record.getValue(position2) : std::string_view(operand2);
  result = holds(compareValue(leftValue, rightValue, numeric));
}

}  // namespace qerix
