#include "exec/views/outer_joined_records.h"

#include <string>
#include <string_view>

#include "exec/views/paired_records.h"
#include "model/null_value.h"
#include "model/record_values.h"

namespace qerix {

namespace {

void appendValue(std::string& record, std::string_view value, bool& firstValue) {
  if (!firstValue) record += ',';
  record += value;
  firstValue = false;
}

bool endsGroup(const std::vector<std::uint32_t>& members, std::size_t position) {
  return position >= members.size() || members[position] == PairedRecords::groupEnd;
}

}  // namespace

class OuterJoinedRecords::Stream : public RecordStream {
 public:
  explicit Stream(const OuterJoinedRecords& source) : joined(source), firstRecords(*source.first) {}

  bool next(std::string_view& values) override {
    if (readsFirst && nextOfFirst()) {
      values = record;
      return true;
    }
    readsFirst = false;
    if (!joined.layout.keepsSecond) return false;
    while (secondIndex < joined.paired.size() && joined.paired[secondIndex]) ++secondIndex;
    if (secondIndex == joined.paired.size()) return false;
    secondAlone(secondIndex++);
    values = record;
    return true;
  }

 private:
  // The next pair of the first's records, or a record without a partner.
  bool nextOfFirst() {
    const std::vector<std::uint32_t>& partners = joined.members;
    while (true) {
      if (!standing) {
        if (!firstRecords.next()) return false;
        standing = true;
        hadPartner = false;
      }
      if (!endsGroup(partners, member)) {
        hadPartner = true;
        const Record partner = joined.second->getRecord(partners[member++]);
        if (joined.layout.keepsAllOfSecond) {
          PairedRecords::joinValues(firstRecords.getCurrent(), partner, record);
        } else {
          PairedRecords::joinValues(firstRecords.getCurrent(), partner, joined.layout.secondKept, record);
        }
        return true;
      }
      ++member;  // past the group's end
      standing = false;
      if (!hadPartner && joined.layout.keepsFirst) {
        firstAlone(firstRecords.getCurrent());
        return true;
      }
    }
  }

  void firstAlone(const Record& firstRecord) {
    record.assign(firstRecord.getValues());
    // A first relation without attributes has no value to follow with a comma.
    bool firstValue = joined.first->getAttributeCount() == 0;
    for (std::size_t count = 0; count < joined.layout.secondKept.size(); ++count) appendValue(record, nullValue, firstValue);
  }

  void secondAlone(std::size_t index) {
    splitValues(joined.second->getRecordTexts()[index], joined.second->getAttributeCount(), secondValues);
    record.clear();
    bool firstValue = true;
    for (const int position : joined.layout.secondForFirst) {
      appendValue(record, position == 0 ? nullValue : secondValues[indexOf(position)], firstValue);
    }
    for (const int position : joined.layout.secondKept) appendValue(record, secondValues[indexOf(position)], firstValue);
  }

  const OuterJoinedRecords& joined;
  RecordScanner firstRecords;
  bool readsFirst = true;
  bool standing = false;    // whether firstRecords stands at a record whose pairs are being read
  bool hadPartner = false;  // whether that record has had a pair
  std::size_t member = 0;       // the next place in members
  std::size_t secondIndex = 0;  // the next of the second's records to consider
  std::vector<std::string_view> secondValues;
  std::string record;
};

OuterJoinedRecords::OuterJoinedRecords(std::shared_ptr<const Relation> firstRelation,
                                       std::shared_ptr<const Relation> secondRelation,
                                       std::vector<std::uint32_t> pairMembers, OuterLayout outerLayout)
    : first(std::move(firstRelation)),
      second(std::move(secondRelation)),
      members(std::move(pairMembers)),
      layout(std::move(outerLayout)),
      paired(second->getRecordCount(), false) {
  std::size_t withPartner = 0;
  std::size_t position = 0;
  for (std::size_t record = 0; record < first->getRecordCount(); ++record) {
    bool any = false;
    for (; !endsGroup(members, position); ++position) {
      any = true;
      paired[members[position]] = true;
      ++recordCount;
    }
    ++position;
    if (any) ++withPartner;
  }
  if (layout.keepsFirst) recordCount += first->getRecordCount() - withPartner;
  if (layout.keepsSecond) {
    for (const bool isPaired : paired) recordCount += isPaired ? 0 : 1;
  }
}

std::unique_ptr<RecordStream> OuterJoinedRecords::open() const { return std::make_unique<Stream>(*this); }

}  // namespace qerix
