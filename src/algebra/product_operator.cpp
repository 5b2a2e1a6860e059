#include "algebra/product_operator.h"

#include <cstdint>
#include <ostream>
#include <string>

#include "exec/pieces/record_pieces.h"
#include "exec/views/paired_records.h"
#include "model/record_limit.h"

namespace qerix {

void ProductOperator::print(std::ostream& out) const { out << "Product\n"; }

void ProductOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const std::unique_ptr<Relation> first = takeOperand(left);
  const std::unique_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  AttributeList attributes = first->getAttributes();
  attributes.addAttributes(second->getAttributes());
  // The count is known before a pair is built: a runaway product stops here.
  RecordLimit::check(std::uint64_t{first->getRecordCount()} * second->getRecordCount());
  result = std::make_unique<Relation>(std::move(attributes));
  result->reserveRecords(first->getRecordCount() * second->getRecordCount());
  materialize(*second);
  std::string values;
  for (RecordScanner scanner(*first); scanner.next();) {
    const Record firstRecord = scanner.getCurrent();
    for (std::size_t index = 0; index < second->getRecordCount(); ++index) {
      PairedRecords::joinValues(firstRecord, second->getRecord(index), values);
      result->appendNewRecord(values);
    }
  }
}

}  // namespace qerix
