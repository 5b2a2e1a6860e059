#ifndef QERIX_EXEC_VIEWS_ORDERED_RECORDS_H
#define QERIX_EXEC_VIEWS_ORDERED_RECORDS_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/record_source.h"
#include "model/relation.h"

namespace qerix {

// A relation's records in another order: what a sort gives, at four bytes a
// record instead of a copy of its place. The relation must be in memory.
class OrderedRecords : public RecordSource {
 public:
  // order[k] is the position (from 0) of the k-th record.
  OrderedRecords(std::shared_ptr<const Relation> base, std::vector<std::uint32_t> order);

  std::size_t getRecordCount() const override { return order.size(); }
  std::unique_ptr<RecordStream> open() const override;
  bool appendTextsInMemory(std::vector<std::string_view>& texts, std::shared_ptr<const void>& owner) const override;

 private:
  std::shared_ptr<const Relation> base;
  std::vector<std::uint32_t> order;
};

}  // namespace qerix

#endif  // QERIX_EXEC_VIEWS_ORDERED_RECORDS_H
