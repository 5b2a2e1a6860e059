#include "exec/views/paired_records.h"

#include <algorithm>

#include "model/record_values.h"

namespace qerix {

class PairedRecords::Stream : public RecordStream {
 public:
  explicit Stream(const PairedRecords& source) : pairs(source), firstRecords(*source.first) {}

  bool next(std::string_view& values) override {
    // Move on to the next first record that has a pair.
    while (!current || pairs.members[position] == groupEnd) {
      if (current) ++position;
      if (position == pairs.members.size() || !firstRecords.next()) return false;
      current = true;
    }
    const Record partner = pairs.second->getRecord(pairs.members[position++]);
    if (!pairs.kept) {
      PairedRecords::joinValues(firstRecords.getCurrent(), partner, joined);
    } else {
      PairedRecords::joinValues(firstRecords.getCurrent(), partner, *pairs.kept, joined);
    }
    values = joined;
    return true;
  }

 private:
  const PairedRecords& pairs;
  RecordScanner firstRecords;
  std::size_t position = 0;  // in members
  bool current = false;      // whether firstRecords stands at a record
  std::string joined;
};

PairedRecords::PairedRecords(std::shared_ptr<const Relation> firstRelation,
                             std::shared_ptr<const Relation> secondRelation, std::vector<std::uint32_t> pairMembers,
                             std::optional<std::vector<int>> secondKept)
    : first(std::move(firstRelation)),
      second(std::move(secondRelation)),
      members(std::move(pairMembers)),
      kept(std::move(secondKept)),
      pairCount(members.size() - static_cast<std::size_t>(std::count(members.begin(), members.end(), groupEnd))) {}

std::unique_ptr<RecordStream> PairedRecords::open() const { return std::make_unique<Stream>(*this); }

void PairedRecords::joinValues(const Record& firstRecord, const Record& secondRecord, std::string& out) {
  out.assign(firstRecord.getValues());
  // A record without values adds no field, so no comma either.
  if (firstRecord.getValueCount() > 0 && secondRecord.getValueCount() > 0) out += ',';
  out += secondRecord.getValues();
}

void PairedRecords::joinValues(const Record& firstRecord, const Record& secondRecord,
                               const std::vector<int>& secondKept, std::string& out) {
  out.assign(firstRecord.getValues());
  ValueCursor values(secondRecord.getValues());
  int fieldno = 0;
  bool valuesBefore = firstRecord.getValueCount() > 0;
  for (const int position : secondKept) {
    std::string_view value;
    while (fieldno < position) {
      value = values.next();
      ++fieldno;
    }
    if (valuesBefore) out += ',';
    out += value;
    valuesBefore = true;
  }
}

}  // namespace qerix
