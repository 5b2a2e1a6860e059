#ifndef QERIX_EXEC_HASH_RECORD_INDEX_H
#define QERIX_EXEC_HASH_RECORD_INDEX_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/attribute_list.h"

namespace qerix {

// A hash table of distinct record texts under record equality over their
// first fieldCount fields ("int" fields by number). Texts are numbered from 0
// in the order they are added. Equal texts are found in constant expected
// time, which keeps minus, project and joins away from quadratic scans.
class RecordIndex {
 public:
  RecordIndex(const AttributeList& fieldTypes, int comparedFields, std::size_t expectedCount);

  std::uint64_t hashOf(std::string_view values) const;
  // The number of the added text equal to `values`, if there is one.
  std::optional<std::uint32_t> find(std::string_view values, std::uint64_t hash) const;
  // `values` must outlive the index and must not equal a text added before.
  std::uint32_t add(std::string_view values, std::uint64_t hash);

  std::size_t size() const { return entries.size(); }
  std::string_view at(std::uint32_t number) const { return entries[number]; }
  // Puts `values`, equal to text `number`, in that text's place.
  void replace(std::uint32_t number, std::string_view values) { entries[number] = values; }
  // The texts in the order of their numbers; the index is empty afterwards.
  std::vector<std::string_view> takeTexts();

  // Lookups in a large table wait for memory. Hashing a batch of texts with
  // hashBatch before looking each up lets those waits overlap: it fetches
  // where each lookup starts. Once that has arrived, prefetchMatch fetches
  // the text a lookup will most likely compare with.
  void hashBatch(std::span<const std::string_view> texts, std::span<std::uint64_t> hashes) const;
  void prefetchStart(std::uint64_t hash) const;  // what hashBatch fetches for a hash
  void prefetchMatch(std::uint64_t hash) const;

 private:
  // Small, so that the table stays dense in the cache.
  struct Slot {
    std::uint32_t entry = 0;     // the text's number + 1; 0 while the slot is free
    std::uint32_t hashBits = 0;  // the upper half of the hash: where the probe starts, and to skip most comparisons
  };

  std::size_t firstSlot(std::uint64_t hash) const;  // where the probe for a hash starts
  std::size_t slotFor(std::uint32_t hashBits) const;
  std::size_t nextSlot(std::size_t index) const;
  std::size_t slotOf(std::string_view values, std::uint64_t hash) const;  // the match or the free slot
  void grow();

  const AttributeList& types;
  int fieldCount;
  std::vector<Slot> slots;  // open addressing, linear probing
  std::vector<std::string_view> entries;
};

}  // namespace qerix

#endif  // QERIX_EXEC_HASH_RECORD_INDEX_H
