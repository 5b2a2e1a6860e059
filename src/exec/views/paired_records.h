#ifndef QERIX_EXEC_VIEWS_PAIRED_RECORDS_H
#define QERIX_EXEC_VIEWS_PAIRED_RECORDS_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/record_source.h"
#include "model/relation.h"

namespace qerix {

// Records formed by joining records of a first relation with records of a
// second, in the first's order and, for each of its records, in the order the
// pairs were chosen: what a select over a product or a join keeps, at four
// bytes a pair instead of a copy of the joined values. A joined record holds
// the first's values, then the second's, or only those of the second's
// fields that a natural join keeps.
class PairedRecords : public RecordSource {
 public:
  // Between groupEnd marks, members names, for each record of `first` in
  // turn, the records of `second` (counting from 0) it is joined with.
  // `second` must be in memory.
  static constexpr std::uint32_t groupEnd = UINT32_MAX;
  // `secondKept`: the positions (ascending, from 1) of the second's fields
  // that a joined record holds; all of them when there is none.
  PairedRecords(std::shared_ptr<const Relation> first, std::shared_ptr<const Relation> second,
                std::vector<std::uint32_t> members, std::optional<std::vector<int>> secondKept = std::nullopt);

  std::size_t getRecordCount() const override { return pairCount; }
  std::unique_ptr<RecordStream> open() const override;

  // The joined record text of two records: the first's values, then the second's.
  static void joinValues(const Record& first, const Record& second, std::string& out);
  // The same with the second's values at the given positions only.
  static void joinValues(const Record& first, const Record& second, const std::vector<int>& secondKept,
                         std::string& out);

 private:
  class Stream;

  std::shared_ptr<const Relation> first;
  std::shared_ptr<const Relation> second;
  std::vector<std::uint32_t> members;
  std::optional<std::vector<int>> kept;
  std::size_t pairCount;
};

}  // namespace qerix

#endif  // QERIX_EXEC_VIEWS_PAIRED_RECORDS_H
