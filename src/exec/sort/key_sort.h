#ifndef QERIX_EXEC_SORT_KEY_SORT_H
#define QERIX_EXEC_SORT_KEY_SORT_H

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/attribute_list.h"

namespace qerix {

// One key of a sort: a field, how its values compare, and its direction.
struct SortField {
  int position = 1;  // from 1
  ValueKind kind = ValueKind::text;
  bool descending = false;
};

// The positions of the records in the order of the keys, the first
// deciding: "int" values by number, decimals by value, others by bytes, a
// null before every value ascending and after every value descending;
// stable, so records equal on every key keep their order. Each record holds
// the values the keys name. At most 2^32 - 1 records.
//
// Each step orders a range of records by a 64-bit code of one key (the
// number, or seven bytes of a text), then takes each run of equal codes to
// the next key or the text's next seven bytes, so that a record's fields
// are read a few times, not at every comparison.
std::vector<std::uint32_t> sortedByKeys(std::span<const std::string_view> records,
                                        std::span<const SortField> keys);

}  // namespace qerix

#endif  // QERIX_EXEC_SORT_KEY_SORT_H
