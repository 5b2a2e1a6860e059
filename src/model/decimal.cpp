#include "model/decimal.h"

#include "model/null_value.h"

namespace qerix {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A non-negative value as its whole and fraction digits, the fraction as
// 18 digits.
struct Magnitude {
  std::uint64_t whole = 0;
  std::uint64_t fraction = 0;
};

bool isNegative(const DecimalValue& value) { return value.whole < 0; }

Magnitude magnitudeOf(const DecimalValue& value) {
  if (!isNegative(value)) return {static_cast<std::uint64_t>(value.whole), value.fraction};
  const std::uint64_t whole = 0 - static_cast<std::uint64_t>(value.whole);  // no overflow at the minimum
  if (value.fraction == 0) return {whole, 0};
  return {whole - 1, decimalFractionUnit - value.fraction};
}

std::string fractionText(std::uint64_t fraction) {
  std::string digits(decimalDigitLimit, '0');
  for (int index = decimalDigitLimit - 1; index >= 0; --index, fraction /= 10) {
    digits[static_cast<std::size_t>(index)] = static_cast<char>('0' + fraction % 10);
  }
  return digits;
}

std::string withSign(bool negative, std::uint64_t whole, std::string fraction) {
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string text = negative && (whole != 0 || !fraction.empty()) ? "-" : "";
  text += std::to_string(whole);
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

}  // namespace

std::optional<DecimalValue> parseDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  for (const std::string_view digits : {whole, fraction}) {
    for (const char c : digits) {
      if (!isDigit(c)) return std::nullopt;
    }
  }
  while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  if (whole.size() > decimalDigitLimit || fraction.size() > decimalDigitLimit) return std::nullopt;
  std::uint64_t wholeNumber = 0;
  for (const char c : whole) wholeNumber = wholeNumber * 10 + static_cast<std::uint64_t>(c - '0');
  std::uint64_t fractionNumber = 0;
  for (std::size_t index = 0; index < decimalDigitLimit; ++index) {
    fractionNumber = fractionNumber * 10 + (index < fraction.size() ? static_cast<std::uint64_t>(fraction[index] - '0') : 0);
  }
  DecimalValue value{static_cast<std::int64_t>(wholeNumber), fractionNumber};
  if (negative) {
    value.whole = -value.whole;
    if (fractionNumber != 0) value = {value.whole - 1, decimalFractionUnit - fractionNumber};
  }
  return value;
}

DecimalValue decimalOf(std::string_view text) { return parseDecimal(text).value_or(DecimalValue{}); }

std::weak_ordering compareDecimals(std::string_view left, std::string_view right) {
  if (isNull(left) || isNull(right)) return !isNull(left) <=> !isNull(right);
  return decimalOf(left) <=> decimalOf(right);
}

std::string canonicalDecimal(const DecimalValue& value) {
  const Magnitude magnitude = magnitudeOf(value);
  return withSign(isNegative(value), magnitude.whole, fractionText(magnitude.fraction));
}

bool DecimalSum::add(const DecimalValue& value) {
  std::uint64_t fraction = sum.fraction + value.fraction;
  std::int64_t carry = 0;
  if (fraction >= decimalFractionUnit) {
    fraction -= decimalFractionUnit;
    carry = 1;
  }
  std::int64_t whole = 0;
  if (__builtin_add_overflow(sum.whole, value.whole, &whole) || __builtin_add_overflow(whole, carry, &whole)) {
    return false;
  }
  sum = {whole, fraction};
  return true;
}

std::string DecimalSum::average(std::uint64_t count, int fractionDigits) const {
  const Magnitude magnitude = magnitudeOf(sum);
  std::uint64_t whole = magnitude.whole / count;
  std::uint64_t rest = magnitude.whole % count;
  // Long division, a digit at a time: rest < count, so rest * 10 + 9 fits
  // for every count below 2^60.
  const std::string dividendFraction = fractionText(magnitude.fraction);
  std::string digits;
  for (int index = 0; index <= fractionDigits; ++index) {
    const auto next = index < decimalDigitLimit ? static_cast<std::uint64_t>(dividendFraction[static_cast<std::size_t>(index)] - '0') : 0;
    rest = rest * 10 + next;
    digits += static_cast<char>('0' + rest / count);
    rest %= count;
  }
  const bool roundUp = digits.back() >= '5';
  digits.pop_back();
  if (roundUp) {
    std::size_t index = digits.size();
    while (index > 0 && digits[index - 1] == '9') digits[--index] = '0';
    if (index == 0) {
      ++whole;
    } else {
      ++digits[index - 1];
    }
  }
  return withSign(isNegative(sum), whole, digits);
}

}  // namespace qerix
