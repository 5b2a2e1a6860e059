#ifndef QERIX_EXEC_VIEWS_OUTER_JOINED_RECORDS_H
#define QERIX_EXEC_VIEWS_OUTER_JOINED_RECORDS_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/record_source.h"
#include "model/relation.h"

namespace qerix {

// Where each value of an outer join's record comes from, and which records
// without a partner it keeps.
struct OuterLayout {
  std::vector<int> secondKept;      // the second's positions after the first's values
  bool keepsAllOfSecond = false;    // whether they are all of them, in order
  std::vector<int> secondForFirst;  // per first position: the second's position that fills it, or 0 (a null)
  bool keepsFirst = false;          // the first's records without a partner, with nulls after them
  bool keepsSecond = false;         // then the second's records without a partner
};

// The records of an outer join, formed as they are read: for each record of
// the first its pairs (members as PairedRecords takes them; none at all
// when empty), or the record padded with nulls; then the second's records
// that paired with none. Like PairedRecords, it costs four bytes a pair, not
// a copy of the joined values. `second` must be in memory.
class OuterJoinedRecords : public RecordSource {
 public:
  OuterJoinedRecords(std::shared_ptr<const Relation> first, std::shared_ptr<const Relation> second,
                     std::vector<std::uint32_t> members, OuterLayout layout);

  std::size_t getRecordCount() const override { return recordCount; }
  std::unique_ptr<RecordStream> open() const override;

 private:
  class Stream;

  std::shared_ptr<const Relation> first;
  std::shared_ptr<const Relation> second;
  std::vector<std::uint32_t> members;
  OuterLayout layout;
  std::vector<bool> paired;  // per record of the second
  std::size_t recordCount = 0;
};

}  // namespace qerix

#endif  // QERIX_EXEC_VIEWS_OUTER_JOINED_RECORDS_H
