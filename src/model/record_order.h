#ifndef QERIX_MODEL_RECORD_ORDER_H
#define QERIX_MODEL_RECORD_ORDER_H

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/attribute_list.h"

namespace qerix {

// The order of values and records on which sorting (exec/sort/record_sort.h),
// union, minus and project rest. "int" fields compare as 32-bit numbers,
// decimal fields (with -x) by value, all others as unsigned bytes, a proper
// prefix being the smaller. A null equals a null only; it is less than every
// number, and among texts it is the byte it is held as.

std::weak_ordering compareValue(std::string_view left, std::string_view right, ValueKind kind);

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
// The kinds of leading key: an "int" value as a number that orders like
// it, unsigned (a null as 0, like the least number); a text value's first
// sixteen bytes (zeros past its end); a decimal's value (a null below all).
std::uint32_t numberKey(std::string_view value);
LeadingKey decimalKey(std::string_view value);
LeadingKey textKey(std::string_view value);
// Eight bytes of a text from `offset` on, as a number that orders like them;
// the bytes past the text count as zeros.
std::uint64_t bytesKey(std::string_view text, std::size_t offset);

// Consistent with compareValues: texts that compare equal hash equal. Sixty-
// four bits on every platform, since hash tables pick slots by the upper half.
std::uint64_t hashValues(const AttributeList& types, int fieldCount, std::string_view values);

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_ORDER_H
