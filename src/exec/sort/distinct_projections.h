#ifndef QERIX_EXEC_SORT_DISTINCT_PROJECTIONS_H
#define QERIX_EXEC_SORT_DISTINCT_PROJECTIONS_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "exec/hash/record_index.h"
#include "exec/pieces/record_pieces.h"
#include "model/attribute_list.h"
#include "model/relation.h"
#include "model/text_arena.h"

namespace qerix {

// The distinct projections of records, sorted. Of each set of equal
// projections only the last one stays. Records are projected a few at a
// time, so that the waits for the index's memory overlap (see
// RecordIndex::hashBatch).
//
// While most projections turn out distinct, the index costs more than it
// spares: past a size, at that share, projections are only gathered. They
// are sorted a run at a time, where the last of equal ones stays, and the
// sorted runs are merged as the result is read, where that of the latest run
// stays.
class DistinctProjections {
 public:
  // `positions`: ascending, from 1; `types` are those of the projected fields
  // and must outlive this object.
  DistinctProjections(const AttributeList& types, std::vector<int> positions);

  void add(std::string_view values);  // a record's text

  // The two halves of add: a record's projection, appended to `out`, and
  // adding a projection made so.
  void project(std::string_view values, std::string& out) const;
  void addProjection(std::string_view projected);

  // Sorts the projections (or their last run) and keeps the last of equal
  // ones; nothing is added after that.
  void finish();

  // The projections go to the result, sorted: with the arena that holds
  // their text, or as the runs to merge.
  void moveTo(Relation& result);
  // Or as sorted runs for MergedRuns (see runs below), with those of other
  // projections: a later run's text wins over an equal one of an earlier run.
  std::vector<std::string> takeRuns();

 private:
  void addBatch();
  void closeRun();  // sorts the gathered projections into a run of their own
  void appendRun(std::span<const std::string_view> texts);  // as a new run, each followed by a line feed

  const AttributeList& projectedTypes;
  const std::vector<int> kept;
  RecordIndex distinct;
  std::shared_ptr<TextArena> projectedText = std::make_shared<TextArena>();
  TextBatch batch;
  std::array<std::uint64_t, tuning::recordBatchSize> hashes{};
  std::size_t projectedCount = 0;
  bool gathering = false;
  bool finished = false;
  std::vector<std::string_view> gathered;  // the run being closed: as the index held it, or in gatheredText
  std::string gatheredText;                // since the last run, once gathering: projections back to back
  std::vector<std::size_t> gatheredEnds;   // of each in gatheredText
  std::vector<std::string> runs;           // sorted, in the order gathered; each text followed by a line feed
  std::vector<std::string_view> sorted;    // the result, once finished without gathering
  std::string projection;
};

}  // namespace qerix

#endif  // QERIX_EXEC_SORT_DISTINCT_PROJECTIONS_H
