#include "algebra/minus_operator.h"

#include <algorithm>
#include <ostream>

#include "model/record.h"
#include "model/record_index.h"

namespace qerix {

void MinusOperator::print(std::ostream& out) const { out << "Minus\n"; }

void MinusOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const auto first = takeOperand(left);
  const auto second = takeOperand(right);
  if (!first || !second) return;
  result = std::make_unique<Relation>(first->getAttributes());

  const AttributeList& types = first->getAttributes();
  const int fieldCount = first->getAttributeCount();
  const int sharedCount = std::min(fieldCount, second->getAttributeCount());
  RecordIndex secondRecords(types, sharedCount, first->isEmpty() ? 0 : second->getRecordCount());
  if (!first->isEmpty()) {
    for (const std::string_view values : second->getRecordTexts()) {
      const std::size_t hash = secondRecords.hashOf(values);
      if (!secondRecords.find(values, hash)) secondRecords.add(values, hash, 0);
    }
  }

  for (first->first(); !first->isEnd(); first->next()) {
    const Record record = first->getCurrent();
    const std::string_view values = record.getValues();
    if (!secondRecords.find(values, secondRecords.hashOf(values))) {
      result->appendCopy(record);
    } else if (sharedCount < fieldCount) {
      // The comparison got past the second record's last field.
      failGetValue();
    }
  }
}

}  // namespace qerix
