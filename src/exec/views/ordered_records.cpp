#include "exec/views/ordered_records.h"

#include "model/prefetch.h"
#include "model/tuning.h"

namespace qerix {

namespace {

class OrderedStream : public RecordStream {
 public:
  OrderedStream(const std::vector<std::string_view>& baseTexts, const std::vector<std::uint32_t>& recordOrder)
      : texts(baseTexts), order(recordOrder) {}

  // The records lie far apart: fetching a few ahead overlaps the waits.
  bool next(std::string_view& values) override {
    if (position == order.size()) return false;
    if (position + 2 * tuning::prefetchDistance < order.size()) {
      prefetch(&texts[order[position + 2 * tuning::prefetchDistance]]);
    }
    if (position + tuning::prefetchDistance < order.size()) {
      prefetch(texts[order[position + tuning::prefetchDistance]].data());
    }
    values = texts[order[position++]];
    return true;
  }

 private:
  const std::vector<std::string_view>& texts;
  const std::vector<std::uint32_t>& order;
  std::size_t position = 0;
};

}  // namespace

OrderedRecords::OrderedRecords(std::shared_ptr<const Relation> baseRelation, std::vector<std::uint32_t> recordOrder)
    : base(std::move(baseRelation)), order(std::move(recordOrder)) {}

std::unique_ptr<RecordStream> OrderedRecords::open() const {
  return std::make_unique<OrderedStream>(base->getRecordTexts(), order);
}

bool OrderedRecords::appendTextsInMemory(std::vector<std::string_view>& texts,
                                         std::shared_ptr<const void>& owner) const {
  const std::vector<std::string_view>& baseTexts = base->getRecordTexts();
  texts.reserve(texts.size() + order.size());
  for (const std::uint32_t position : order) texts.push_back(baseTexts[position]);
  owner = base;
  return true;
}

}  // namespace qerix
