#ifndef QERIX_MODEL_RECORD_VALUES_H
#define QERIX_MODEL_RECORD_VALUES_H

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qerix {

// A record's values are held joined by commas. No value can contain a comma,
// since the loader splits record lines at every comma, so a record of n values
// has exactly n - 1 commas, and a record without values is the empty text.

// Walks the values of a record text from the first on.
class ValueCursor {
 public:
  explicit ValueCursor(std::string_view values) : rest(values) {}

  // The next value; calling it more often than the record has values gives "".
  std::string_view next() {
    // Values are short: a plain scan beats a call to memchr here.
    const char* comma = std::find(rest.data(), rest.data() + rest.size(), ',');
    const auto length = static_cast<std::size_t>(comma - rest.data());
    const std::string_view value = rest.substr(0, length);
    rest.remove_prefix(length == rest.size() ? length : length + 1);
    return value;
  }

 private:
  std::string_view rest;
};

// Value number fieldno (from 1) of a record text that holds at least that many.
std::string_view valueAt(std::string_view values, int fieldno);

// The first count values, in order, into `out` (which is cleared first).
void splitValues(std::string_view values, int count, std::vector<std::string_view>& out);

// The first count values of a record text that holds at least that many, as a
// record text of its own.
std::string_view leadingValues(std::string_view values, int count);

// A record text of `count` values from a record text of `valueCount` values,
// valueCount <= count, the missing values being empty.
std::string padValues(std::string_view values, int valueCount, int count);

// Converts as the C library's atoi does (leading white space, an optional
// sign, the digits up to the first other byte; 0 without digits), with 32-bit
// two's-complement wrap-around instead of undefined overflow.
std::int32_t toInt32(std::string_view text);

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_VALUES_H
