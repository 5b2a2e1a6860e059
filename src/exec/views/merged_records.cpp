#include "exec/views/merged_records.h"

#include <string>

#include "model/record_values.h"

namespace qerix {

class MergedRecords::Stream : public RecordStream {
 public:
  explicit Stream(const MergedRecords& source)
      : merged(source),
        firstRecords(*source.first),
        secondRecords(*source.second),
        secondWidth(source.second->getAttributeCount()) {}

  bool next(std::string_view& values) override {
    if (position == merged.steps.size()) return false;
    switch (merged.steps[position++]) {
      case Step::first:
        values = nextOf(firstRecords);
        break;
      case Step::firstOverSecond:
        values = nextOf(firstRecords);
        secondRecords.next();
        break;
      case Step::second:
        values = nextOf(secondRecords);
        if (secondWidth < merged.width) {
          padded = padValues(values, secondWidth, merged.width);
          values = padded;
        }
        break;
    }
    return true;
  }

 private:
  static std::string_view nextOf(RecordScanner& records) {
    records.next();
    return records.getCurrent().getValues();
  }

  const MergedRecords& merged;
  RecordScanner firstRecords;
  RecordScanner secondRecords;
  int secondWidth;
  std::size_t position = 0;  // in steps
  std::string padded;
};

MergedRecords::MergedRecords(std::shared_ptr<const Relation> firstRelation,
                             std::shared_ptr<const Relation> secondRelation, std::vector<Step> mergeSteps,
                             int recordWidth)
    : first(std::move(firstRelation)),
      second(std::move(secondRelation)),
      steps(std::move(mergeSteps)),
      width(recordWidth) {}

std::unique_ptr<RecordStream> MergedRecords::open() const { return std::make_unique<Stream>(*this); }

}  // namespace qerix
