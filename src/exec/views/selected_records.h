#ifndef QERIX_EXEC_VIEWS_SELECTED_RECORDS_H
#define QERIX_EXEC_VIEWS_SELECTED_RECORDS_H

#include <cstddef>
#include <memory>
#include <vector>

#include "model/record_source.h"

namespace qerix {

// Some of another source's records, in its order: what a select or a minus
// keeps of a relation whose records are still in the input file, at the cost
// of one bit per record instead of a copy.
class SelectedRecords : public RecordSource {
 public:
  // chosen[k] tells whether the base's record k is kept.
  SelectedRecords(std::shared_ptr<const RecordSource> base, std::vector<bool> chosen);

  std::size_t getRecordCount() const override { return chosenCount; }
  std::unique_ptr<RecordStream> open() const override;

 private:
  std::shared_ptr<const RecordSource> base;
  std::vector<bool> chosen;
  std::size_t chosenCount;
};

}  // namespace qerix

#endif  // QERIX_EXEC_VIEWS_SELECTED_RECORDS_H
