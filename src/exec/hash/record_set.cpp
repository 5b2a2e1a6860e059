#include "exec/hash/record_set.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "exec/hash/record_index.h"
#include "exec/pieces/record_pieces.h"
#include "model/null_value.h"
#include "model/text_arena.h"

namespace qerix {

// The keys of one piece of the records.
struct RecordSet::Part {
  Part(const AttributeList& types, std::size_t expectedCount)
      : index(types, types.getAttributeCount(), expectedCount) {}

  RecordIndex index;
  TextArena copies;  // of keys the records only lend or that were built
};

namespace {

// The keys of a batch of records, as a batch of texts of their own where a
// key is not the record itself.
class KeyBatch {
 public:
  explicit KeyBatch(const KeyFields& keyFields) : key(keyFields) {}

  std::span<const std::string_view> keysOf(std::span<const std::string_view> records) {
    if (key.viewsTheRecord()) {
      for (std::size_t index = 0; index < records.size(); ++index) keys[index] = key.keyOf(records[index], scratch);
      return {keys.data(), records.size()};
    }
    built.clear();
    for (const std::string_view record : records) built.startText() += key.keyOf(record, scratch);
    return built.texts();
  }

 private:
  const KeyFields& key;
  std::array<std::string_view, tuning::recordBatchSize> keys;
  TextBatch built;
  std::string scratch;
};

}  // namespace

RecordSet::RecordSet(const Relation& records, const KeyFields& key, AttributeList keyTypes)
    : types(std::move(keyTypes)) {
  // A key that views a record held in memory lives as long as the record.
  const bool copyKeys = !records.isInMemory() || !key.viewsTheRecord();
  parts = mapPieces(records, [&](const Relation& piece) {
    auto part = std::make_unique<Part>(types, piece.getRecordCount());
    KeyBatch batch(key);
    std::array<std::uint64_t, tuning::recordBatchSize> hashes{};
    forEachRecordBatch(piece, [&](std::span<const std::string_view> texts) {
      const std::span<const std::string_view> keys = batch.keysOf(texts);
      part->index.hashBatch(keys, hashes);
      for (std::size_t position = 0; position < keys.size(); ++position) {
        if (part->index.find(keys[position], hashes[position])) continue;
        part->index.add(copyKeys ? part->copies.store(keys[position]) : keys[position], hashes[position]);
      }
    });
    return part;
  });
}

RecordSet::~RecordSet() = default;

std::vector<bool> RecordSet::findEach(const Relation& probed, const KeyFields& key, bool nullsMatch) const {
  return joinPieces(mapPieces(probed, [&](const Relation& piece) { return findEachOf(piece, key, nullsMatch); }));
}

std::vector<bool> RecordSet::findEachOf(const Relation& piece, const KeyFields& key, bool nullsMatch) const {
  std::vector<bool> found;
  found.reserve(piece.getRecordCount());
  KeyBatch batch(key);
  std::array<std::uint64_t, tuning::recordBatchSize> hashes{};
  forEachRecordBatch(piece, [&](std::span<const std::string_view> texts) {
    const std::span<const std::string_view> keys = batch.keysOf(texts);
    parts[0]->index.hashBatch(keys, hashes);
    for (std::size_t part = 1; part < parts.size(); ++part) {
      for (std::size_t position = 0; position < keys.size(); ++position)
        parts[part]->index.prefetchStart(hashes[position]);
    }
    for (const auto& part : parts) {
      for (std::size_t position = 0; position < keys.size(); ++position) part->index.prefetchMatch(hashes[position]);
    }
    for (std::size_t position = 0; position < keys.size(); ++position) {
      found.push_back((nullsMatch || !holdsNull(keys[position])) &&
                      std::any_of(parts.begin(), parts.end(), [&](const auto& part) {
                        return part->index.find(keys[position], hashes[position]).has_value();
                      }));
    }
  });
  return found;
}

}  // namespace qerix
