#ifndef QERIX_EXEC_VIEWS_MERGED_RECORDS_H
#define QERIX_EXEC_VIEWS_MERGED_RECORDS_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/record_source.h"
#include "model/relation.h"

namespace qerix {

// The records of two relations interleaved as a merge of them decided: what
// union keeps, at a byte per record instead of a copy. Each relation is read
// in its order, and may still be in the input file. Records of the second
// relation with fewer values than `width` get empty values for the missing
// ones.
class MergedRecords : public RecordSource {
 public:
  enum class Step : std::uint8_t {
    first,            // the first relation's next record
    second,           // the second relation's next record
    firstOverSecond,  // the first relation's next record, which the second's next one equals
  };

  MergedRecords(std::shared_ptr<const Relation> first, std::shared_ptr<const Relation> second, std::vector<Step> steps,
                int width);

  std::size_t getRecordCount() const override { return steps.size(); }
  std::unique_ptr<RecordStream> open() const override;

 private:
  class Stream;

  std::shared_ptr<const Relation> first;
  std::shared_ptr<const Relation> second;
  std::vector<Step> steps;
  int width;
};

}  // namespace qerix

#endif  // QERIX_EXEC_VIEWS_MERGED_RECORDS_H
