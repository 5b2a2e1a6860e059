#ifndef QERIX_MODEL_RECORD_BATCHES_H
#define QERIX_MODEL_RECORD_BATCHES_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "model/relation.h"

namespace qerix {

// Records are handed over this many at a time, so that the memory waits of
// their lookups in a large index can overlap (see RecordIndex::hashBatch).
inline constexpr std::size_t recordBatchSize = 16;

// Up to recordBatchSize texts, copied one after another into one buffer.
class TextBatch {
 public:
  // Starts the next text: its bytes are what is appended to the string returned.
  std::string& startText() {
    starts[count++] = bytes.size();
    return bytes;
  }
  bool full() const { return count == recordBatchSize; }

  // The texts, valid until clear().
  std::span<const std::string_view> texts() {
    starts[count] = bytes.size();
    for (std::size_t index = 0; index < count; ++index) {
      views[index] = std::string_view(bytes).substr(starts[index], starts[index + 1] - starts[index]);
    }
    return {views.data(), count};
  }
  void clear() {
    bytes.clear();
    count = 0;
  }

 private:
  std::string bytes;
  std::array<std::size_t, recordBatchSize + 1> starts{};
  std::array<std::string_view, recordBatchSize> views;
  std::size_t count = 0;
};

// Calls process(batch) with the relation's records in order, a few at a time.
// The texts stay valid during the call. Records in memory are handed over as
// they are; records still in the input file are copies, since a scanner only
// lends their text until it moves on.
template <typename Process>
void forEachRecordBatch(const Relation& relation, Process process) {
  if (relation.isInMemory()) {
    const std::span<const std::string_view> texts(relation.getRecordTexts());
    for (std::size_t begin = 0; begin < texts.size(); begin += recordBatchSize) {
      process(texts.subspan(begin, std::min(recordBatchSize, texts.size() - begin)));
    }
    return;
  }
  TextBatch batch;
  for (RecordScanner scanner(relation); scanner.next();) {
    batch.startText() += scanner.getCurrent().getValues();
    if (batch.full()) {
      process(batch.texts());
      batch.clear();
    }
  }
  if (const auto rest = batch.texts(); !rest.empty()) process(rest);
}

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_BATCHES_H
