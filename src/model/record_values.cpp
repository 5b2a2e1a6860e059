#include "model/record_values.h"

namespace qerix {

std::string_view valueAt(std::string_view values, int fieldno) {
  ValueCursor cursor(values);
  for (int skipped = 1; skipped < fieldno; ++skipped) cursor.next();
  return cursor.next();
}

void splitValues(std::string_view values, int count, std::vector<std::string_view>& out) {
  out.resize(static_cast<std::size_t>(count));
  ValueCursor cursor(values);
  for (std::string_view& value : out) value = cursor.next();
}

std::string_view leadingValues(std::string_view values, int count) {
  std::size_t start = 0;
  for (int fieldno = 1; fieldno <= count; ++fieldno) {
    const std::size_t comma = values.find(',', start);
    if (comma == std::string_view::npos) return values;
    if (fieldno == count) return values.substr(0, comma);
    start = comma + 1;
  }
  return {};
}

std::string padValues(std::string_view values, int valueCount, int count) {
  std::string padded(values);
  // A text without values has no first value to follow with a comma.
  const int missingCommas = valueCount == 0 ? count - 1 : count - valueCount;
  if (missingCommas > 0) padded.append(static_cast<std::size_t>(missingCommas), ',');
  return padded;
}

std::int32_t toInt32(std::string_view text) {
  std::size_t position = 0;
  auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (position < text.size() && isSpace(text[position])) ++position;
  bool negative = false;
  if (position < text.size() && (text[position] == '-' || text[position] == '+')) {
    negative = text[position] == '-';
    ++position;
  }
  std::uint32_t total = 0;
  while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
    total = total * 10U + static_cast<std::uint32_t>(text[position] - '0');
    ++position;
  }
  if (negative) total = 0U - total;
  return static_cast<std::int32_t>(total);
}

}  // namespace qerix
