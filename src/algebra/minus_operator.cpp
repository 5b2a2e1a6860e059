#include "algebra/minus_operator.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "model/record.h"
#include "model/record_batches.h"
#include "model/record_index.h"
#include "model/text_arena.h"

namespace qerix {

void MinusOperator::print(std::ostream& out) const { out << "Minus\n"; }

void MinusOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const auto first = takeOperand(left);
  const auto second = takeOperand(right);
  if (!first || !second) return;
  result = std::make_unique<Relation>(first->getAttributes());
  if (first->isEmpty()) return;

  // The second operand's distinct records, compared under the first's types.
  const AttributeList& types = first->getAttributes();
  const int fieldCount = first->getAttributeCount();
  const int sharedCount = std::min(fieldCount, second->getAttributeCount());
  RecordIndex secondRecords(types, sharedCount, second->getRecordCount());
  TextArena secondText;  // copies of the records that the input file only lends
  const bool lent = !second->isInMemory();
  std::array<std::size_t, recordBatchSize> hashes{};
  forEachRecordBatch(*second, [&](std::span<const std::string_view> batch) {
    secondRecords.hashBatch(batch, hashes);
    for (std::size_t index = 0; index < batch.size(); ++index) {
      if (secondRecords.find(batch[index], hashes[index])) continue;
      secondRecords.add(lent ? secondText.store(batch[index]) : batch[index], hashes[index]);
    }
  });

  std::vector<bool> chosen;
  chosen.reserve(first->getRecordCount());
  forEachRecordBatch(*first, [&](std::span<const std::string_view> batch) {
    secondRecords.hashBatch(batch, hashes);
    for (std::size_t index = 0; index < batch.size(); ++index) secondRecords.prefetchMatch(hashes[index]);
    for (std::size_t index = 0; index < batch.size(); ++index) {
      const bool found = secondRecords.find(batch[index], hashes[index]).has_value();
      // A match on fewer fields than the first relation has: the comparison got past the second record's last field.
      if (found && sharedCount < fieldCount) failGetValue();
      chosen.push_back(!found);
    }
  });
  result->appendChosen(*first, std::move(chosen));
}

}  // namespace qerix
