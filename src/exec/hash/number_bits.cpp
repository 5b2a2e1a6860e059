#include "exec/hash/number_bits.h"

#include "model/prefetch.h"

namespace qerix {

namespace {

constexpr int initialBits = 10;

// Fibonacci hashing: the upper bits of the product spread numbers in a run.
std::size_t place(std::int32_t number, int shift) {
  return static_cast<std::size_t>((std::uint64_t{static_cast<std::uint32_t>(number)} * 0x9E3779B97F4A7C15ULL) >> shift);
}

}  // namespace

NumberBits::NumberBits(std::size_t expectedCount) : shift(64 - initialBits) {
  std::size_t size = std::size_t{1} << initialBits;
  while (size * 2 < expectedCount * 3) {
    size *= 2;
    --shift;
  }
  slots.resize(size);
}

std::size_t NumberBits::slotOf(std::int32_t number) const {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t index = place(number, shift);; index = (index + 1) & mask) {
    const Slot& slot = slots[index];
    if (slot.bits == 0 || slot.number == number) return index;
  }
}

void NumberBits::add(std::int32_t number, std::uint32_t bits) {
  Slot* slot = &slots[slotOf(number)];
  if (slot->bits == 0) {
    if ((count + 1) * 3 > slots.size() * 2) {
      grow();
      slot = &slots[slotOf(number)];
    }
    slot->number = number;
    ++count;
  }
  slot->bits |= bits;
}

std::uint32_t NumberBits::bitsOf(std::int32_t number) const { return slots[slotOf(number)].bits; }

void NumberBits::prefetchFor(std::int32_t number) const { prefetch(&slots[place(number, shift)]); }

void NumberBits::grow() {
  std::vector<Slot> old(slots.size() * 2);
  old.swap(slots);
  --shift;
  for (const Slot& slot : old) {
    if (slot.bits != 0) slots[slotOf(slot.number)] = slot;
  }
}

}  // namespace qerix
