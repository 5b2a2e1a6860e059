#ifndef QERIX_EXEC_HASH_NUMBER_BITS_H
#define QERIX_EXEC_HASH_NUMBER_BITS_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qerix {

// Thirty-two bits for each number met: an open-addressing table keyed by the
// number itself, the bits kept in its eight-byte slot. A lookup reads one
// slot, where a table of record texts reads the slot, the text's view and the
// text; what a division counts when its quotient is one "int" field.
class NumberBits {
 public:
  // Room for about `expectedCount` numbers before the table grows.
  explicit NumberBits(std::size_t expectedCount = 0);

  // Adds `bits`, not 0, to those of `number`.
  void add(std::int32_t number, std::uint32_t bits);
  // The bits of `number`, 0 when it was never added.
  std::uint32_t bitsOf(std::int32_t number) const;
  // Starts fetching the slot where a lookup of `number` begins.
  void prefetchFor(std::int32_t number) const;

  std::size_t size() const { return count; }
  // Calls visit(number, bits) for every number added, in no set order.
  template <class Visit>
  void forEach(Visit visit) const {
    for (const Slot& slot : slots) {
      if (slot.bits != 0) visit(slot.number, slot.bits);
    }
  }

 private:
  struct Slot {
    std::int32_t number = 0;
    std::uint32_t bits = 0;  // 0 while the slot is free
  };

  std::size_t slotOf(std::int32_t number) const;  // the number's slot or the free one its probe ends at
  void grow();

  std::vector<Slot> slots;  // a power of two of them, at most two thirds used
  std::size_t count = 0;
  int shift;  // 64 minus the bits of the slot count
};

}  // namespace qerix

#endif  // QERIX_EXEC_HASH_NUMBER_BITS_H
