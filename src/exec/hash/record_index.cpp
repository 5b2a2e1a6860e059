#include "exec/hash/record_index.h"

#include <algorithm>

#include "model/prefetch.h"
#include "model/record_order.h"

namespace qerix {

namespace {

std::uint32_t upperBits(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

// At most two thirds full: probe runs stay short, and the table stays small.
std::size_t slotsFor(std::size_t count) { return count + count / 2 + 16; }

}  // namespace

RecordIndex::RecordIndex(const AttributeList& fieldTypes, int comparedFields, std::size_t expectedCount)
    : types(fieldTypes), fieldCount(comparedFields), slots(slotsFor(expectedCount)) {
  entries.reserve(expectedCount);
}

std::uint64_t RecordIndex::hashOf(std::string_view values) const { return hashValues(types, fieldCount, values); }

std::optional<std::uint32_t> RecordIndex::find(std::string_view values, std::uint64_t hash) const {
  const Slot& slot = slots[slotOf(values, hash)];
  if (slot.entry == 0) return std::nullopt;
  return slot.entry - 1;
}

std::uint32_t RecordIndex::add(std::string_view values, std::uint64_t hash) {
  if ((entries.size() + 1) * 3 > slots.size() * 2) grow();
  entries.push_back(values);
  slots[slotOf(values, hash)] = {static_cast<std::uint32_t>(entries.size()), upperBits(hash)};
  return static_cast<std::uint32_t>(entries.size() - 1);
}

std::vector<std::string_view> RecordIndex::takeTexts() {
  std::fill(slots.begin(), slots.end(), Slot{});
  return std::move(entries);
}

std::size_t RecordIndex::firstSlot(std::uint64_t hash) const { return slotFor(upperBits(hash)); }

std::size_t RecordIndex::slotFor(std::uint32_t hashBits) const {
  // The upper half of the hash scaled to the table: any table size will do,
  // so the table grows in proportion to the texts, not to a power of two.
  // The slot keeps those bits, so growing needs no text hashed again, and
  // slots in order go to places in order in the larger table.
  return static_cast<std::size_t>((std::uint64_t{hashBits} * slots.size()) >> 32);
}

std::size_t RecordIndex::nextSlot(std::size_t index) const { return index + 1 == slots.size() ? 0 : index + 1; }

void RecordIndex::hashBatch(std::span<const std::string_view> texts, std::span<std::uint64_t> hashes) const {
  for (std::size_t index = 0; index < texts.size(); ++index) {
    hashes[index] = hashOf(texts[index]);
    prefetchStart(hashes[index]);
  }
}

void RecordIndex::prefetchStart(std::uint64_t hash) const { prefetch(&slots[firstSlot(hash)]); }

void RecordIndex::prefetchMatch(std::uint64_t hash) const {
  for (std::size_t index = firstSlot(hash);; index = nextSlot(index)) {
    const Slot& slot = slots[index];
    if (slot.entry == 0) return;
    if (slot.hashBits == upperBits(hash)) {
      prefetch(entries[slot.entry - 1].data());
      return;
    }
  }
}

std::size_t RecordIndex::slotOf(std::string_view values, std::uint64_t hash) const {
  for (std::size_t index = firstSlot(hash);; index = nextSlot(index)) {
    const Slot& slot = slots[index];
    if (slot.entry == 0) return index;
    if (slot.hashBits == upperBits(hash) && compareValues(types, fieldCount, entries[slot.entry - 1], values) == 0) {
      return index;
    }
  }
}

void RecordIndex::grow() {
  std::vector<Slot> old(slots.size() * 2);
  old.swap(slots);
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    std::size_t index = slotFor(slot.hashBits);
    while (slots[index].entry != 0) index = nextSlot(index);
    slots[index] = slot;
  }
}

}  // namespace qerix
