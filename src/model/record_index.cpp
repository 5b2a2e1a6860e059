#include "model/record_index.h"

#include <algorithm>
#include <bit>

#include "model/record_order.h"

namespace qerix {

namespace {

std::uint32_t upperBits(std::size_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

// A hint to the processor; without the compiler's builtin it does nothing.
void prefetch([[maybe_unused]] const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#endif
}

// At most two thirds full: probe runs stay short, and the table stays small.
std::size_t slotsFor(std::size_t count) { return std::bit_ceil(count + count / 2 + 16); }

}  // namespace

RecordIndex::RecordIndex(const AttributeList& fieldTypes, int comparedFields, std::size_t expectedCount)
    : types(fieldTypes), fieldCount(comparedFields), slots(slotsFor(expectedCount)) {
  entries.reserve(expectedCount);
}

std::size_t RecordIndex::hashOf(std::string_view values) const { return hashValues(types, fieldCount, values); }

std::optional<std::uint32_t> RecordIndex::find(std::string_view values, std::size_t hash) const {
  const Slot& slot = slots[slotOf(values, hash)];
  if (slot.entry == 0) return std::nullopt;
  return slot.entry - 1;
}

std::uint32_t RecordIndex::add(std::string_view values, std::size_t hash) {
  if ((entries.size() + 1) * 3 > slots.size() * 2) grow();
  entries.push_back(values);
  slots[slotOf(values, hash)] = {static_cast<std::uint32_t>(entries.size()), upperBits(hash)};
  return static_cast<std::uint32_t>(entries.size() - 1);
}

std::vector<std::string_view> RecordIndex::takeTexts() {
  std::fill(slots.begin(), slots.end(), Slot{});
  return std::move(entries);
}

void RecordIndex::prefetchSlot(std::size_t hash) const { prefetch(&slots[hash & (slots.size() - 1)]); }

void RecordIndex::prefetchMatch(std::size_t hash) const {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
    const Slot& slot = slots[index];
    if (slot.entry == 0) return;
    if (slot.hashBits == upperBits(hash)) {
      prefetch(entries[slot.entry - 1].data());
      return;
    }
  }
}

std::size_t RecordIndex::slotOf(std::string_view values, std::size_t hash) const {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
    const Slot& slot = slots[index];
    if (slot.entry == 0) return index;
    if (slot.hashBits == upperBits(hash)) {
      const std::string_view candidate = entries[slot.entry - 1];
      // Equal bytes are equal records; only different bytes need the typed comparison.
      if (candidate == values || compareValues(types, fieldCount, candidate, values) == 0) return index;
    }
  }
}

void RecordIndex::grow() {
  std::vector<Slot> old(slots.size() * 2);
  old.swap(slots);
  const std::size_t mask = slots.size() - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    std::size_t index = hashOf(entries[slot.entry - 1]) & mask;
    while (slots[index].entry != 0) index = (index + 1) & mask;
    slots[index] = slot;
  }
}

}  // namespace qerix
