#include "exec/sort/key_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "model/null_value.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/tuning.h"

namespace qerix {
namespace {

using namespace std::string_literals;

// The order by one comparison of whole values at a time, to check against.
std::vector<std::uint32_t> referenceOrder(const std::vector<std::string_view>& records,
                                          const std::vector<SortField>& keys) {
  std::vector<std::uint32_t> order(records.size());
  std::iota(order.begin(), order.end(), 0U);
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t left, std::uint32_t right) {
    for (const SortField& key : keys) {
      const std::string_view a = valueAt(records[left], key.position);
      const std::string_view b = valueAt(records[right], key.position);
      const std::weak_ordering byKey =
          isNull(a) || isNull(b) ? (!isNull(a) <=> !isNull(b)) : compareValue(a, b, key.kind);
      if (byKey != 0) return key.descending ? byKey > 0 : byKey < 0;
    }
    return false;
  });
  return order;
}

// Values that the codes tell apart only in part: a null and "", texts that
// share their first eight or sixteen bytes or differ past a zero byte,
// "int" values written in several ways and at the ends of the range,
// decimals equal in their whole part or written with trailing zeros.
const std::vector<std::string> texts = {"\n", "", "a", "ab", "abcdefgh", "abcdefghX", "abcdefghY",
                                        "abcdefghijklmnopZ", "abcdefghijklmnop", "\0\0"s, "\0"s, "b", "Sales"};
const std::vector<std::string> numbers = {"\n", "0", "7", "007", "-3", "2147483647", "-2147483648", " 5", "12"};
const std::vector<std::string> decimals = {"\n", "3.5", "3.50", "3.25", "-0.5", "10", "-10.75", "0"};

TEST(KeySort, OrdersAsTheWholeComparisonsDo) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 300; ++round) {
    const std::size_t count = 1 + random() % 60;
    std::vector<std::string> lines;
    for (std::size_t index = 0; index < count; ++index) {
      lines.push_back(texts[random() % texts.size()] + "," + numbers[random() % numbers.size()] + "," +
                      decimals[random() % decimals.size()] + "," + texts[random() % texts.size()]);
    }
    const std::vector<std::string_view> records(lines.begin(), lines.end());
    std::vector<SortField> keys;
    const std::size_t keyCount = 1 + random() % 3;
    for (std::size_t key = 0; key < keyCount; ++key) {
      const int position = 1 + static_cast<int>(random() % 4);
      const ValueKind kind = position == 2 ? ValueKind::number : position == 3 ? ValueKind::decimal : ValueKind::text;
      keys.push_back({position, kind, random() % 2 == 0});
    }
    ASSERT_EQ(sortedByKeys(records, keys), referenceOrder(records, keys)) << "round " << round;
  }
}

// Enough records for the two pieces at once (more than
// tuning::parallelFrom), with long runs of equal keys.
TEST(KeySort, ManyRecordsKeepTheirOrderWhereEqual) {
  std::mt19937 random(7);
  std::vector<std::string> lines;
  constexpr int count = 140000;
  static_assert(count > tuning::parallelFrom);
  for (int index = 0; index < count; ++index) {
    lines.push_back("dept" + std::to_string(random() % 5) + "," + std::to_string(random() % 100));
  }
  const std::vector<std::string_view> records(lines.begin(), lines.end());
  for (const std::vector<SortField>& keys :
       {std::vector<SortField>{{1, ValueKind::text, false}},
        std::vector<SortField>{{1, ValueKind::text, false}, {2, ValueKind::number, true}},
        std::vector<SortField>{{2, ValueKind::number, false}}}) {
    EXPECT_EQ(sortedByKeys(records, keys), referenceOrder(records, keys));
  }
}

}  // namespace
}  // namespace qerix
