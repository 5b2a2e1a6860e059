#include "model/record_index.h"

#include <bit>

#include "model/record_order.h"

namespace qerix {

RecordIndex::RecordIndex(const AttributeList& fieldTypes, int comparedFields, std::size_t expectedCount)
    : types(fieldTypes), fieldCount(comparedFields), slots(std::bit_ceil(expectedCount * 2 + 16)) {}

std::size_t RecordIndex::hashOf(std::string_view values) const { return hashValues(types, fieldCount, values); }

std::uint32_t* RecordIndex::find(std::string_view values, std::size_t hash) {
  Slot& slot = slots[slotOf(values, hash)];
  return slot.used ? &slot.number : nullptr;
}

void RecordIndex::add(std::string_view values, std::size_t hash, std::uint32_t number) {
  // Keep the table at most half full, so probe runs stay short.
  if ((usedCount + 1) * 2 > slots.size()) grow();
  Slot& slot = slots[slotOf(values, hash)];
  slot = {values, hash, number, true};
  ++usedCount;
}

std::size_t RecordIndex::slotOf(std::string_view values, std::size_t hash) const {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
    const Slot& slot = slots[index];
    if (!slot.used) return index;
    if (slot.hash == hash && compareValues(types, fieldCount, slot.values, values) == 0) return index;
  }
}

void RecordIndex::grow() {
  std::vector<Slot> old(slots.size() * 2);
  old.swap(slots);
  const std::size_t mask = slots.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.used) continue;
    std::size_t index = slot.hash & mask;
    while (slots[index].used) index = (index + 1) & mask;
    slots[index] = slot;
  }
}

}  // namespace qerix
