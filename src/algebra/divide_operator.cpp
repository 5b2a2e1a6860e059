#include "algebra/divide_operator.h"

#include <ostream>
#include <string>

#include "conditions/comparison_operator.h"
#include "exec/hash/division.h"
#include "exec/pieces/record_pieces.h"
#include "exec/sort/distinct_projections.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"

namespace qerix {

DivideOperator::Layout DivideOperator::Layout::of(const AttributeList& dividend, const AttributeList& divisor) {
  Layout layout;
  for (int position = 1; position <= divisor.getAttributeCount(); ++position) {
    const std::string_view name = divisor.getAttributeName(position);
    if (dividend.countAttributesNamed(name) != 1) fatal(textOf(Text::divideNotOnceMessage), name);
    layout.divisorPositions.push_back(dividend.getAttributeIndex(name));
  }
  for (int position = 1; position <= divisor.getAttributeCount(); ++position) {
    const std::string_view name = divisor.getAttributeName(position);
    if (divisor.countAttributesNamed(name) > 1) fatal(textOf(Text::divideRepeatedMessage), name);
  }
  for (int position = 1; position <= dividend.getAttributeCount(); ++position) {
    if (divisor.getAttributeIndex(dividend.getAttributeName(position)) != 0) continue;
    layout.quotientPositions.push_back(position);
    layout.quotient.addAttributeFrom(dividend, position);
  }
  if (layout.quotientPositions.empty()) fatal(textOf(Text::divideNoQuotientMessage));
  return layout;
}

void DivideOperator::print(std::ostream& out) const { out << "Divide\n"; }

void DivideOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const std::unique_ptr<Relation> dividend = takeOperand(left);
  const std::unique_ptr<Relation> divisor = takeOperand(right);
  if (!dividend || !divisor) return;
  const Layout layout = Layout::of(dividend->getAttributes(), divisor->getAttributes());
  result = std::make_unique<Relation>(layout.quotient);
  if (dividend->isEmpty()) return;
  DistinctProjections quotients(result->getAttributes(), layout.quotientPositions);
  if (divisor->isEmpty()) {
    for (RecordScanner scanner(*dividend); scanner.next();) quotients.add(scanner.getCurrent().getValues());
    quotients.moveTo(*result);
    return;
  }
  // Each divisor value meets the dividend's attribute of its name.
  for (std::size_t index = 0; index < layout.divisorPositions.size(); ++index) {
    if (dividend->getAttributeType(layout.divisorPositions[index]) !=
        divisor->getAttributeType(static_cast<int>(index) + 1)) {
      failTypeMismatch();
    }
  }

  materialize(*divisor);
  const Division division(*divisor, KeyFields::at(layout.divisorPositions), KeyFields::at(layout.quotientPositions),
                          layout.quotient);
  for (const std::string& record : division.recordsOfFullQuotients(*dividend)) quotients.add(record);
  quotients.moveTo(*result);
}

}  // namespace qerix
