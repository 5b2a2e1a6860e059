#include "algebra/product_operator.h"

#include <ostream>

#include "model/paired_records.h"

namespace qerix {

Relation* ProductOperator::getResult() {
  build();
  return result.get();
}

void ProductOperator::print(std::ostream& out) const { out << "Product\n"; }

void ProductOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  firstInput = takeOperand(left);
  secondInput = takeOperand(right);
}

std::unique_ptr<Relation> ProductOperator::takeResult() {
  build();
  return std::move(result);
}

std::pair<std::unique_ptr<Relation>, std::unique_ptr<Relation>> ProductOperator::takeOperands() {
  return {std::move(firstInput), std::move(secondInput)};
}

AttributeList ProductOperator::combineAttributes(const Relation& first, const Relation& second) {
  AttributeList attributes = first.getAttributes();
  attributes.addAttributes(second.getAttributes());
  return attributes;
}

void ProductOperator::build() {
  if (!firstInput || !secondInput) return;
  result = std::make_unique<Relation>(combineAttributes(*firstInput, *secondInput));
  result->reserveRecords(firstInput->getRecordCount() * secondInput->getRecordCount());
  secondInput->materialize();
  std::string values;
  for (RecordScanner scanner(*firstInput); scanner.next();) {
    const Record firstRecord = scanner.getCurrent();
    for (std::size_t index = 0; index < secondInput->getRecordCount(); ++index) {
      PairedRecords::joinValues(firstRecord, secondInput->getRecord(index), values);
      result->appendNewRecord(values);
    }
  }
  firstInput.reset();
  secondInput.reset();
}

}  // namespace qerix
