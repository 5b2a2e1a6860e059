#ifndef QERIX_MODEL_DECIMAL_H
#define QERIX_MODEL_DECIMAL_H

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qerix {

// With -x an attribute of type "decimal" holds exact decimal numbers: an
// optional sign, digits with at most one point among or around them (at
// least one digit), nothing else: "3.5", "-0.25", "+7", ".5", "10.".
// At most 18 digits before the point (leading zeros aside) and 18 after it
// (trailing zeros aside), so every value is exact and a sum of 2^32 of them
// still fits. Values stay as written ("3.50" prints as 3.50) and compare,
// sort, group and remove duplicates by value (3.5 equals 3.50).

// whole + fraction / 10^18, fraction in [0, 10^18): -0.25 is {-1, 75 * 10^16}.
// The members' order is the numbers' order.
struct DecimalValue {
  std::int64_t whole = 0;
  std::uint64_t fraction = 0;
  auto operator<=>(const DecimalValue&) const = default;
};

inline constexpr std::uint64_t decimalFractionUnit = 1'000'000'000'000'000'000ULL;  // 10^18
inline constexpr int decimalDigitLimit = 18;

// The value of a decimal text, or nothing when the text is not one.
std::optional<DecimalValue> parseDecimal(std::string_view text);
// The value of a text known to be a decimal (or 0 for any other text).
DecimalValue decimalOf(std::string_view text);

// By value; a null (model/null_value.h) is less than every number.
std::weak_ordering compareDecimals(std::string_view left, std::string_view right);

// The shortest text of a value: no leading zeros, no trailing fraction
// zeros, no point without a fraction, no "-0". Values equal by value have
// the same canonical text.
std::string canonicalDecimal(const DecimalValue& value);

// An exact sum of decimal or integer values, for SUM and AVG.
class DecimalSum {
 public:
  // Both return false, leaving the sum as it was, when the whole part would
  // leave the 64-bit range.
  bool add(const DecimalValue& value);
  bool add(std::int64_t value) { return add(DecimalValue{value, 0}); }

  const DecimalValue& total() const { return sum; }
  // The sum divided by count (> 0), rounded half away from zero to
  // `fractionDigits` digits after the point, in canonical form.
  std::string average(std::uint64_t count, int fractionDigits) const;

 private:
  DecimalValue sum;
};

}  // namespace qerix

#endif  // QERIX_MODEL_DECIMAL_H
