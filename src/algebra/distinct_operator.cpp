#include "algebra/distinct_operator.h"

#include <ostream>

#include "exec/hash/record_index.h"
#include "exec/pieces/record_pieces.h"

namespace qerix {

void DistinctOperator::print(std::ostream& out) const { out << "Distinct\n"; }

void DistinctOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  const std::unique_ptr<Relation> operand = takeOperand(left);
  if (!operand) return;
  result = std::make_unique<Relation>(operand->getAttributes());
  if (operand->isEmpty()) return;
  materialize(*operand);
  const AttributeList& types = operand->getAttributes();
  RecordIndex firsts(types, types.getAttributeCount(), operand->getRecordCount());
  for (const std::string_view record : operand->getRecordTexts()) {
    const std::uint64_t hash = firsts.hashOf(record);
    if (!firsts.find(record, hash)) firsts.add(record, hash);
  }
  result->shareTextOf(*operand);
  result->appendRecordTexts(firsts.takeTexts());
}

}  // namespace qerix
