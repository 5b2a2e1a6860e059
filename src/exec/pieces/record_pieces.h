#ifndef QERIX_EXEC_PIECES_RECORD_PIECES_H
#define QERIX_EXEC_PIECES_RECORD_PIECES_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "exec/pieces/scheduler.h"
#include "model/relation.h"
#include "model/tuning.h"

namespace qerix {

// Reading a relation, wherever its records are: a few records at a time,
// and in pieces that are read at once.

// A large relation still in its source (the input file) as one relation per
// piece, about equal in size, in order; none when its records are in memory,
// too few to be worth it, or the scheduler gives one piece only.
std::vector<std::unique_ptr<Relation>> piecesOf(const Relation& relation);

// Works on each piece of `relation` at once (on the relation itself when it
// has no pieces), each with state of its own, and gives their results in
// input order, for the caller to combine. `work(piece)` or `work(piece,
// index)` must read nothing but the piece and its own state.
template <class Work>
auto mapPieces(const Relation& relation, Work work) {
  constexpr bool indexed = std::is_invocable_v<Work, const Relation&, std::size_t>;
  auto workOn = [&work](const Relation& piece, std::size_t index) {
    if constexpr (indexed) {
      return work(piece, index);
    } else {
      (void)index;
      return work(piece);
    }
  };
  std::vector<decltype(workOn(relation, 0))> results;
  const std::vector<std::unique_ptr<Relation>> pieces = piecesOf(relation);
  if (pieces.empty()) {
    results.push_back(workOn(relation, 0));
    return results;
  }
  results.resize(pieces.size());
  Scheduler::forEachPiece(pieces.size(), [&](std::size_t piece) { results[piece] = workOn(*pieces[piece], piece); });
  return results;
}

// The pieces' results joined end to end, in order.
template <class Item>
std::vector<Item> joinPieces(std::vector<std::vector<Item>> pieces) {
  std::vector<Item> joined = std::move(pieces.at(0));
  for (std::size_t piece = 1; piece < pieces.size(); ++piece) {
    joined.insert(joined.end(), pieces[piece].begin(), pieces[piece].end());
  }
  return joined;
}

// Up to tuning::recordBatchSize texts, copied one after another into one buffer.
class TextBatch {
 public:
  // Starts the next text: its bytes are what is appended to the string returned.
  std::string& startText() {
    starts[count++] = bytes.size();
    return bytes;
  }
  bool full() const { return count == tuning::recordBatchSize; }

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
  std::array<std::size_t, tuning::recordBatchSize + 1> starts{};
  std::array<std::string_view, tuning::recordBatchSize> views;
  std::size_t count = 0;
};

// Calls process(batch) with the relation's records in order, a few at a
// time, so that the memory waits of their lookups can overlap. The texts stay
// valid during the call. Records in memory are handed over as they are;
// records still in the input file are copies, since a scanner only lends
// their text until it moves on.
template <typename Process>
void forEachRecordBatch(const Relation& relation, Process process) {
  if (relation.isInMemory()) {
    const std::span<const std::string_view> texts(relation.getRecordTexts());
    for (std::size_t begin = 0; begin < texts.size(); begin += tuning::recordBatchSize) {
      process(texts.subspan(begin, std::min(tuning::recordBatchSize, texts.size() - begin)));
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

// Brings a relation's records into memory, a large one in pieces at once:
// copying is mostly waiting for fresh memory, which two threads get twice as
// fast. Copies made of the relation before keep their records where they were.
void materialize(Relation& relation);

}  // namespace qerix

#endif  // QERIX_EXEC_PIECES_RECORD_PIECES_H
