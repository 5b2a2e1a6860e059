#ifndef QERIX_EXEC_SORT_MERGED_RUNS_H
#define QERIX_EXEC_SORT_MERGED_RUNS_H

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "model/attribute_list.h"
#include "model/record_source.h"

namespace qerix {

// Distinct record texts merged, as they are read, from sorted runs: each run
// holds distinct texts in ascending order, each followed by a line feed (no
// record text holds one). Of equal texts in several runs, that of the latest
// run comes out. Held so, a text costs its bytes and no more, and the merged
// list is never held at all.
class MergedRuns : public RecordSource {
 public:
  MergedRuns(AttributeList types, std::vector<std::string> runs);

  // Counted by a merge the first time it is asked for.
  std::size_t getRecordCount() const override;
  std::unique_ptr<RecordStream> open() const override;

 private:
  class Stream;

  AttributeList types;
  std::vector<std::string> runs;
  mutable std::once_flag counted;
  mutable std::size_t count = 0;
};

}  // namespace qerix

#endif  // QERIX_EXEC_SORT_MERGED_RUNS_H
