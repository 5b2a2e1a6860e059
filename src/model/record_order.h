#ifndef QERIX_MODEL_RECORD_ORDER_H
#define QERIX_MODEL_RECORD_ORDER_H

#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/attribute_list.h"

namespace qerix {

// The order of values and records on which sorting, union, minus and project
// rest. "int" fields compare as 32-bit numbers, all others as unsigned bytes,
// a proper prefix being the smaller.

std::weak_ordering compareValue(std::string_view left, std::string_view right, bool numeric);

// The first fieldCount fields of two record texts that both hold at least
// that many values, under the given types.
std::weak_ordering compareValues(const AttributeList& types, int fieldCount, std::string_view left,
                                 std::string_view right);

// A record's first field as a key that compares at once: records whose keys
// differ compare as their keys do under compareValues; equal keys tell
// nothing. The types must have a first field.
struct LeadingKey {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  auto operator<=>(const LeadingKey&) const = default;
};
LeadingKey leadingKey(const AttributeList& types, std::string_view values);

// Consistent with compareValues: texts that compare equal hash equal.
std::size_t hashValues(const AttributeList& types, int fieldCount, std::string_view values);

// The positions of the records in ascending order by compareValues; stable,
// so equal records keep their order. Empty when they are in order already.
// At most 2^32 - 1 records; many are sorted in two halves at once.
std::vector<std::uint32_t> sortedPositions(std::span<const std::string_view> records, const AttributeList& types,
                                           int fieldCount);

// Ascending by compareValues; stable, so equal records keep their order.
void stableSortRecords(std::vector<std::string_view>& records, const AttributeList& types, int fieldCount);

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_ORDER_H
