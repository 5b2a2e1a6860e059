#ifndef QERIX_MODEL_RECORD_INDEX_H
#define QERIX_MODEL_RECORD_INDEX_H

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/attribute_list.h"

namespace qerix {

// A hash table of record texts under record equality over their first
// fieldCount fields ("int" fields by number), each text carrying a number
// of the caller's choosing. Equal texts are found in constant expected
// time, which keeps minus, project and joins away from quadratic scans.
class RecordIndex {
 public:
  RecordIndex(const AttributeList& fieldTypes, int comparedFields, std::size_t expectedCount);

  std::size_t hashOf(std::string_view values) const;
  // The number of the text equal to `values`, or null when there is none.
  std::uint32_t* find(std::string_view values, std::size_t hash);
  // `values` must outlive the index and must not be equal to a text added before.
  void add(std::string_view values, std::size_t hash, std::uint32_t number);

 private:
  struct Slot {
    std::string_view values;
    std::size_t hash = 0;
    std::uint32_t number = 0;
    bool used = false;
  };

  std::size_t slotOf(std::string_view values, std::size_t hash) const;  // the match or the free slot
  void grow();

  const AttributeList& types;
  int fieldCount;
  std::vector<Slot> slots;  // open addressing, linear probing; the size is a power of two
  std::size_t usedCount = 0;
};

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_INDEX_H
