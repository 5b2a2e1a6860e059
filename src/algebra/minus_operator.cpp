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
    second->materialize();
    for (const std::string_view values : second->getRecordTexts()) {
      const std::size_t hash = secondRecords.hashOf(values);
      if (!secondRecords.find(values, hash)) secondRecords.add(values, hash);
    }
  }

  std::vector<bool> chosen;
  chosen.reserve(first->getRecordCount());
  for (RecordScanner scanner(*first); scanner.next();) {
    const std::string_view values = scanner.getCurrent().getValues();
    const bool found = secondRecords.find(values, secondRecords.hashOf(values)).has_value();
    // A match on fewer fields than the first relation has: the comparison got past the second record's last field.
    if (found && sharedCount < fieldCount) failGetValue();
    chosen.push_back(!found);
  }
  result->appendChosen(*first, std::move(chosen));
}

}  // namespace qerix
