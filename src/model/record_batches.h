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
// their lookups in a large index can overlap (see RecordIndex::prefetchSlot).
inline constexpr std::size_t recordBatchSize = 16;

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
  std::string copies;
  std::array<std::size_t, recordBatchSize + 1> starts{};
  std::array<std::string_view, recordBatchSize> batch;
  std::size_t count = 0;
  auto handOver = [&] {
    for (std::size_t index = 0; index < count; ++index) {
      batch[index] = std::string_view(copies).substr(starts[index], starts[index + 1] - starts[index]);
    }
    process(std::span<const std::string_view>(batch.data(), count));
    copies.clear();
    count = 0;
  };
  for (RecordScanner scanner(relation); scanner.next();) {
    starts[count] = copies.size();
    copies += scanner.getCurrent().getValues();
    starts[++count] = copies.size();
    if (count == recordBatchSize) handOver();
  }
  if (count > 0) handOver();
}

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_BATCHES_H
