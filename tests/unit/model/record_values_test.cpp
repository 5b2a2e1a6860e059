#include "model/record_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace qerix {
namespace {

using namespace std::string_literals;

TEST(IntConversion, SkipsTheSixWhiteSpaceBytesThenReadsOneSign) {
  EXPECT_EQ(toInt32(" \t\n\v\f\r42"), 42);
  EXPECT_EQ(toInt32("+7"), 7);
  EXPECT_EQ(toInt32("-0012abc"), -12);
  EXPECT_EQ(toInt32("12 34"), 12);
  // Other bytes, NUL and high bytes included, end the number before it starts.
  EXPECT_EQ(toInt32("\xA0"
                    "5"),
            0);
  EXPECT_EQ(toInt32("\0"
                    "5"s),
            0);
  EXPECT_EQ(toInt32("+-5"), 0);
  EXPECT_EQ(toInt32("- 5"), 0);
}

TEST(IntConversion, TextWithoutDigitsIsZero) {
  for (const char* text : {"", " ", "-", "+", "abc", "x12"}) EXPECT_EQ(toInt32(text), 0) << '"' << text << '"';
}

TEST(IntConversion, WrapsAroundAtThirtyTwoBits) {
  EXPECT_EQ(toInt32("2147483647"), INT_MAX);
  EXPECT_EQ(toInt32("2147483648"), INT_MIN);
  EXPECT_EQ(toInt32("-2147483648"), INT_MIN);
  EXPECT_EQ(toInt32("-2147483649"), INT_MAX);
  EXPECT_EQ(toInt32("4294967295"), -1);
  EXPECT_EQ(toInt32("4294967296"), 0);
  EXPECT_EQ(toInt32("4294967297"), 1);
  // Each digit multiplies the wrapped total: 99999999999 mod 2^32.
  EXPECT_EQ(toInt32("99999999999"), 1215752191);
  EXPECT_EQ(toInt32("000000000000000000000000000000042"), 42);
}

TEST(RecordValues, CursorWalksEmptyValuesAndGivesEmptyPastTheEnd) {
  ValueCursor cursor(",b,,");
  EXPECT_EQ(cursor.next(), "");
  EXPECT_EQ(cursor.next(), "b");
  EXPECT_EQ(cursor.next(), "");
  EXPECT_EQ(cursor.next(), "");  // the trailing empty value
  EXPECT_EQ(cursor.next(), "");  // past the last value
  ValueCursor none("");
  EXPECT_EQ(none.next(), "");
}

TEST(RecordValues, ValueAtCountsFromOne) {
  EXPECT_EQ(valueAt("a,b,c", 1), "a");
  EXPECT_EQ(valueAt("a,b,c", 3), "c");
  EXPECT_EQ(valueAt("a,,", 2), "");
  EXPECT_EQ(valueAt("a,,", 3), "");
  EXPECT_EQ(valueAt("", 1), "");
}

TEST(RecordValues, SplitValuesClearsAndKeepsTrailingEmptyValue) {
  std::vector<std::string_view> out{"stale"};
  splitValues("x,,", 3, out);
  EXPECT_EQ(out, (std::vector<std::string_view>{"x", "", ""}));
  splitValues("x,y", 0, out);
  EXPECT_TRUE(out.empty());
}

TEST(RecordValues, LeadingValuesIsARecordTextOfItsOwn) {
  EXPECT_EQ(leadingValues("a,b,c", 1), "a");
  EXPECT_EQ(leadingValues("a,b,c", 2), "a,b");
  EXPECT_EQ(leadingValues("a,b,c", 3), "a,b,c");
  EXPECT_EQ(leadingValues(",,", 2), ",");
  EXPECT_EQ(leadingValues("a,b", 0), "");
}

TEST(RecordValues, PadValuesAddsEmptyValues) {
  EXPECT_EQ(padValues("a", 1, 3), "a,,");
  EXPECT_EQ(padValues("a,b", 2, 2), "a,b");
  // One empty value and no values are both the empty text; the count tells.
  EXPECT_EQ(padValues("", 1, 3), ",,");
  EXPECT_EQ(padValues("", 0, 3), ",,");
  EXPECT_EQ(padValues("", 0, 1), "");
  EXPECT_EQ(padValues("", 0, 0), "");
}

}  // namespace
}  // namespace qerix
