#include "conditions/comparison_operator.h"

#include "model/attribute_list.h"
#include "model/decimal.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/name_check.h"
#include "model/null_value.h"
#include "model/record.h"
#include "model/record_order.h"
#include "model/record_values.h"

namespace qerix {

void failTypeMismatch() { fatal(textOf(Text::typeMismatchMessage)); }

void ComparisonOperator::print(std::ostream& out) const { printNamed(out, getName()); }

void ComparisonOperator::setOperandSources(OperandSource first, OperandSource second) {
  source1 = std::move(first);
  source2 = std::move(second);
}

int ComparisonOperator::positionOf(const std::string& operand, const OperandSource& source,
                                   const AttributeList& attributes) const {
  switch (source.kind) {
    case OperandKind::literal:
      return 0;
    case OperandKind::attribute:
      return findOnlyAttribute(
          attributes, operand, lookup, source.place,
          {textOf(Text::conditionUnknownAttributeMessage), textOf(Text::conditionSharedAttributeMessage)});
    case OperandKind::nameOrLiteral:
      break;
  }
  return attributes.findAttribute(operand, lookup);
}

void ComparisonOperator::checkNames(const AttributeList& attributes) const {
  positionOf(operand1, source1, attributes);
  positionOf(operand2, source2, attributes);
}

void ComparisonOperator::bind(const AttributeList& attributes) {
  position1 = positionOf(operand1, source1, attributes);
  position2 = positionOf(operand2, source2, attributes);
  if (position1 > 0 && position2 > 0 &&
      attributes.getAttributeType(position1) != attributes.getAttributeType(position2)) {
    failTypeMismatch();
  }
  kind = attributes.getKind(position1 > 0 ? position1 : position2);
  if (kind == ValueKind::decimal) {
    if (position1 == 0 && !parseDecimal(operand1)) fatal(textOf(Text::decimalLiteralMessage), operand1);
    if (position2 == 0 && !parseDecimal(operand2)) fatal(textOf(Text::decimalLiteralMessage), operand2);
  }
}

void ComparisonOperator::evaluate(const LogicalOperator* /*left*/, const LogicalOperator* /*right*/,
                                  const Record& record) {
  if (position1 == 0 && position2 == 0) return;
  const std::string_view leftValue = position1 > 0 ? record.getValue(position1) : std::string_view(operand1);
  const std::string_view rightValue = position2 > 0 ? record.getValue(position2) : std::string_view(operand2);
  // Only a field can be null: a literal is compared as written.
  unknown = (position1 > 0 && isNull(leftValue)) || (position2 > 0 && isNull(rightValue));
  if (unknown) {
    result = false;
  } else if (kind == ValueKind::number) {
    // compareValue would take a literal line break for a null.
    result = holds(toInt32(leftValue) <=> toInt32(rightValue));
  } else {
    result = holds(compareValue(leftValue, rightValue, kind));
  }
}

}  // namespace qerix
