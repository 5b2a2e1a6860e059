#include "model/record_index.h"

#include <bit>

#include "model/record_order.h"

namespace qerix {

namespace {
std::uint32_t upperBits(std::size_t hash) { return static_cast<std::uint32_t>(hash >> 32); }
}  // namespace

RecordIndex::RecordIndex(const AttributeList& fieldTypes, int comparedFields, std::size_t expectedCount)
    : types(fieldTypes), fieldCount(comparedFields), slots(std::bit_ceil(expectedCount * 2 + 16)) {
  entries.reserve(expectedCount);
}

std::size_t RecordIndex::hashOf(std::string_view values) const { return hashValues(types, fieldCount, values); }

std::optional<std::uint32_t> RecordIndex::find(std::string_view values, std::size_t hash) const {
  const Slot& slot = slots[slotOf(values, hash)];
  if (slot.entry == 0) return std::nullopt;
  return slot.entry - 1;
}

std::uint32_t RecordIndex::add(std::string_view values, std::size_t hash) {
  // Keep the table at most half full, so probe runs stay short.
  if ((entries.size() + 1) * 2 > slots.size()) grow();
  entries.push_back({values, hash});
  slots[slotOf(values, hash)] = {static_cast<std::uint32_t>(entries.size()), upperBits(hash)};
  return static_cast<std::uint32_t>(entries.size() - 1);
}

std::size_t RecordIndex::slotOf(std::string_view values, std::size_t hash) const {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
    const Slot& slot = slots[index];
    if (slot.entry == 0) return index;
    if (slot.hashBits == upperBits(hash) &&
        compareValues(types, fieldCount, entries[slot.entry - 1].values, values) == 0) {
      return index;
    }
  }
}

void RecordIndex::grow() {
  std::vector<Slot> old(slots.size() * 2);
  old.swap(slots);
  const std::size_t mask = slots.size() - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    std::size_t index = entries[slot.entry - 1].hash & mask;
    while (slots[index].entry != 0) index = (index + 1) & mask;
    slots[index] = slot;
  }
}

}  // namespace qerix
