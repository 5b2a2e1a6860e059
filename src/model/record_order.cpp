#include "model/record_order.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "model/decimal.h"
#include "model/null_value.h"
#include "model/record_values.h"

namespace qerix {

std::uint64_t bytesKey(std::string_view text, std::size_t offset) {
  std::array<unsigned char, 8> bytes{};
  if (offset < text.size())
    std::memcpy(bytes.data(), text.data() + offset, std::min(bytes.size(), text.size() - offset));
  std::uint64_t key = 0;
  for (const unsigned char byte : bytes) key = (key << 8) | byte;
  return key;
}

namespace {

// A quick hash of a short text, eight bytes at a time; hashValues spreads
// its bits at the end.
std::uint64_t hashText(std::string_view text) {
  constexpr std::uint64_t multiplier = 0xBF58476D1CE4E5B9ULL;
  std::uint64_t hash = text.size() * 0x9E3779B97F4A7C15ULL;
  while (text.size() >= sizeof(std::uint64_t)) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data(), sizeof word);
    hash = (hash ^ word) * multiplier;
    hash ^= hash >> 31;
    text.remove_prefix(sizeof word);
  }
  std::uint64_t last = 0;
  if (!text.empty()) std::memcpy(&last, text.data(), text.size());
  hash = (hash ^ last) * multiplier;
  return hash ^ (hash >> 29);
}

std::uint64_t mix(std::uint64_t hash, std::uint64_t value) {
  return (hash ^ value) * 0x9E3779B97F4A7C15ULL + (hash >> 29);
}

}  // namespace

std::uint32_t numberKey(std::string_view value) {
  if (isNull(value)) return 0;
  return static_cast<std::uint32_t>(toInt32(value)) ^ 0x80000000U;
}

LeadingKey decimalKey(std::string_view value) {
  if (isNull(value)) return {};
  const DecimalValue number = decimalOf(value);
  // Shifted by one so that no number's key is the null's.
  return {(static_cast<std::uint64_t>(number.whole) ^ 0x8000000000000000ULL) + 1, number.fraction};
}

LeadingKey textKey(std::string_view value) { return {bytesKey(value, 0), bytesKey(value, 8)}; }

std::weak_ordering compareValue(std::string_view left, std::string_view right, ValueKind kind) {
  if (kind == ValueKind::number) {
    if (isNull(left) || isNull(right)) return !isNull(left) <=> !isNull(right);
    return toInt32(left) <=> toInt32(right);
  }
  if (kind == ValueKind::decimal) return compareDecimals(left, right);
  const int order = left.compare(right);
  return order < 0 ? std::weak_ordering::less
                   : (order > 0 ? std::weak_ordering::greater : std::weak_ordering::equivalent);
}

std::weak_ordering compareValues(const AttributeList& types, int fieldCount, std::string_view left,
                                 std::string_view right) {
  // Equal bytes are equal records; only different bytes need the typed comparison.
  if (left == right) return std::weak_ordering::equivalent;
  ValueCursor leftValues(left);
  ValueCursor rightValues(right);
  for (int fieldno = 1; fieldno <= fieldCount; ++fieldno) {
    const auto order = compareValue(leftValues.next(), rightValues.next(), types.getKind(fieldno));
    if (order != 0) return order;
  }
  return std::weak_ordering::equivalent;
}

LeadingKey leadingKey(const AttributeList& types, std::string_view values) {
  const std::string_view value = ValueCursor(values).next();
  switch (types.getKind(1)) {
    case ValueKind::number:
      return LeadingKey{numberKey(value), 0};
    case ValueKind::decimal:
      return decimalKey(value);
    case ValueKind::text:
      break;
  }
  return textKey(value);
}

std::uint64_t hashValues(const AttributeList& types, int fieldCount, std::string_view values) {
  ValueCursor cursor(values);
  std::uint64_t hash = 0;
  for (int fieldno = 1; fieldno <= fieldCount; ++fieldno) {
    const std::string_view value = cursor.next();
    std::uint64_t valueHash = 0;
    switch (types.getKind(fieldno)) {
      case ValueKind::number:
        // A null and a 0 may share a hash: the comparison tells them apart.
        valueHash = std::uint64_t{static_cast<std::uint32_t>(toInt32(value))};
        break;
      case ValueKind::decimal: {
        const LeadingKey key = decimalKey(value);
        valueHash = hashText(std::string_view(reinterpret_cast<const char*>(&key), sizeof key));
        break;
      }
      case ValueKind::text:
        valueHash = hashText(value);
        break;
    }
    hash = mix(hash, valueHash);
  }
  // Mix every bit into the upper half, which picks the hash table slot.
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDULL;
  return hash ^ (hash >> 33);
}

}  // namespace qerix
