#include "exec/views/selected_records.h"

#include <algorithm>

namespace qerix {

namespace {

class SelectedRecordStream : public RecordStream {
 public:
  SelectedRecordStream(std::unique_ptr<RecordStream> baseStream, const std::vector<bool>& chosenRecords)
      : base(std::move(baseStream)), chosen(chosenRecords) {}

  bool next(std::string_view& values) override {
    while (base->next(values)) {
      if (chosen[position++]) return true;
    }
    return false;
  }

 private:
  std::unique_ptr<RecordStream> base;
  const std::vector<bool>& chosen;
  std::size_t position = 0;
};

}  // namespace

SelectedRecords::SelectedRecords(std::shared_ptr<const RecordSource> baseSource, std::vector<bool> chosenRecords)
    : base(std::move(baseSource)),
      chosen(std::move(chosenRecords)),
      chosenCount(static_cast<std::size_t>(std::count(chosen.begin(), chosen.end(), true))) {}

std::unique_ptr<RecordStream> SelectedRecords::open() const {
  return std::make_unique<SelectedRecordStream>(base->open(), chosen);
}

}  // namespace qerix
