#include "algebra/minus_operator.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "model/record.h"
#include "model/record_batches.h"
#include "model/record_index.h"
#include "model/text_arena.h"
#include "model/two_threads.h"

namespace qerix {

namespace {

// The distinct records of a relation, compared under the first operand's types.
class DistinctRecords {
 public:
  DistinctRecords(const AttributeList& types, int fieldCount, std::size_t expectedCount)
      : index(types, fieldCount, expectedCount) {}

  void addAll(const Relation& records) {
    const bool lent = !records.isInMemory();
    std::array<std::size_t, recordBatchSize> hashes{};
    forEachRecordBatch(records, [&](std::span<const std::string_view> batch) {
      index.hashBatch(batch, hashes);
      for (std::size_t position = 0; position < batch.size(); ++position) {
        if (index.find(batch[position], hashes[position])) continue;
        index.add(lent ? copies.store(batch[position]) : batch[position], hashes[position]);
      }
    });
  }

  RecordIndex index;

 private:
  TextArena copies;  // of the records that the input file only lends
};

}  // namespace

void MinusOperator::print(std::ostream& out) const { out << "Minus\n"; }

void MinusOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const auto first = takeOperand(left);
  const auto second = takeOperand(right);
  if (!first || !second) return;
  result = std::make_unique<Relation>(first->getAttributes());
  if (first->isEmpty()) return;

  // The second operand's distinct records; a large one in the input file in
  // two parts, one for each half, made at once.
  const AttributeList& types = first->getAttributes();
  const int fieldCount = first->getAttributeCount();
  const int sharedCount = std::min(fieldCount, second->getAttributeCount());
  std::vector<std::unique_ptr<DistinctRecords>> parts;
  const auto halves = second->halves();
  if (halves.empty()) {
    parts.push_back(std::make_unique<DistinctRecords>(types, sharedCount, second->getRecordCount()));
    parts[0]->addAll(*second);
  } else {
    for (const auto& half : halves) {
      parts.push_back(std::make_unique<DistinctRecords>(types, sharedCount, half->getRecordCount()));
    }
    inTwoThreads([&] { parts[0]->addAll(*halves[0]); }, [&] { parts[1]->addAll(*halves[1]); });
  }

  // Whether each record of `records` (the first operand or a half of it) is kept.
  auto keep = [&](const Relation& records, std::vector<bool>& chosen) {
    chosen.reserve(records.getRecordCount());
    std::array<std::size_t, recordBatchSize> hashes{};
    forEachRecordBatch(records, [&](std::span<const std::string_view> batch) {
      parts[0]->index.hashBatch(batch, hashes);
      for (std::size_t part = 1; part < parts.size(); ++part) {
        for (std::size_t position = 0; position < batch.size(); ++position)
          parts[part]->index.prefetchStart(hashes[position]);
      }
      for (const auto& part : parts) {
        for (std::size_t position = 0; position < batch.size(); ++position) part->index.prefetchMatch(hashes[position]);
      }
      for (std::size_t position = 0; position < batch.size(); ++position) {
        const bool found = std::any_of(parts.begin(), parts.end(), [&](const auto& part) {
          return part->index.find(batch[position], hashes[position]).has_value();
        });
        // A match on fewer fields than the first relation has: the comparison got past the second record's last field.
        if (found && sharedCount < fieldCount) failGetValue();
        chosen.push_back(!found);
      }
    });
  };
  // A large first operand in the file is looked up in two halves at once;
  // the tables are only read meanwhile.
  std::vector<bool> chosen;
  const auto firstHalves = first->halves();
  if (firstHalves.empty()) {
    keep(*first, chosen);
  } else {
    std::vector<bool> secondHalfChosen;
    inTwoThreads([&] { keep(*firstHalves[0], chosen); }, [&] { keep(*firstHalves[1], secondHalfChosen); });
    chosen.insert(chosen.end(), secondHalfChosen.begin(), secondHalfChosen.end());
  }
  result->appendChosen(*first, std::move(chosen));
}

}  // namespace qerix
