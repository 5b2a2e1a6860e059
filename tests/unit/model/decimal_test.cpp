#include "model/decimal.h"

#include <gtest/gtest.h>

#include "model/null_value.h"
#include "model/record_order.h"

namespace qerix {
namespace {

TEST(DecimalText, AcceptsSignsPointsAndEighteenDigitsEachSide) {
  for (const char* text : {"3.5", "-0.25", "+7", ".5", "10.", "000123.4500", "999999999999999999.999999999999999999",
                           "0001.10000000000000000000000"}) {
    EXPECT_TRUE(parseDecimal(text)) << text;
  }
  for (const char* text : {"", "-", ".", "1.2.3", "1e5", " 1", "1 ", "--1", "0x10", "1,5",
                           "1000000000000000000", "0.0000000000000000001"}) {
    EXPECT_FALSE(parseDecimal(text)) << text;
  }
}

TEST(DecimalOrder, ComparesByValueWithNullsFirst) {
  EXPECT_EQ(compareDecimals("3.5", "3.50"), std::weak_ordering::equivalent);
  EXPECT_EQ(compareDecimals("-0", "0.000"), std::weak_ordering::equivalent);
  EXPECT_EQ(compareDecimals("3.5", "10.25"), std::weak_ordering::less);
  EXPECT_EQ(compareDecimals("-0.25", "-0.2"), std::weak_ordering::less);
  EXPECT_EQ(compareDecimals("-1.75", "-2"), std::weak_ordering::greater);
  EXPECT_EQ(compareDecimals(nullValue, "-999"), std::weak_ordering::less);
  EXPECT_EQ(compareDecimals(nullValue, nullValue), std::weak_ordering::equivalent);
  // The leading key and the hash agree with the comparison.
  AttributeList types;
  types.addAttribute("decimal", "d");
  types.readDecimalTypes();
  EXPECT_EQ(hashValues(types, 1, "3.5"), hashValues(types, 1, "+03.500"));
  EXPECT_LT(leadingKey(types, nullValue), leadingKey(types, "-999999999999999999"));
  EXPECT_LT(leadingKey(types, "-0.25"), leadingKey(types, "-0.2"));
}

TEST(DecimalText, CanonicalFormDropsWhatDoesNotCount) {
  EXPECT_EQ(canonicalDecimal(decimalOf("003.500")), "3.5");
  EXPECT_EQ(canonicalDecimal(decimalOf("-0.000")), "0");
  EXPECT_EQ(canonicalDecimal(decimalOf("-.25")), "-0.25");
  EXPECT_EQ(canonicalDecimal(decimalOf("10.")), "10");
}

TEST(DecimalSum, AddsExactlyAndAveragesRoundingHalfAwayFromZero) {
  DecimalSum sum;
  for (const char* text : {"0.1", "0.2", "-0.05"}) ASSERT_TRUE(sum.add(decimalOf(text)));
  EXPECT_EQ(canonicalDecimal(sum.total()), "0.25");
  EXPECT_EQ(sum.average(2, 2), "0.13");  // 0.125
  EXPECT_EQ(sum.average(3, 4), "0.0833");
  DecimalSum negative;
  ASSERT_TRUE(negative.add(std::int64_t{-5}));
  EXPECT_EQ(negative.average(2, 0), "-3");   // -2.5
  EXPECT_EQ(negative.average(3, 3), "-1.667");
  EXPECT_EQ(negative.average(5, 6), "-1");
  DecimalSum small;
  ASSERT_TRUE(small.add(decimalOf("-0.0004")));
  EXPECT_EQ(small.average(1, 3), "0");  // rounds to zero: no "-0"
}

TEST(DecimalSum, RefusesToLeaveTheRange) {
  DecimalSum sum;
  ASSERT_TRUE(sum.add(std::int64_t{INT64_MAX}));
  EXPECT_TRUE(sum.add(decimalOf("0.5")));
  EXPECT_FALSE(sum.add(decimalOf("0.5")));
  EXPECT_EQ(canonicalDecimal(sum.total()), "9223372036854775807.5");
}

TEST(NullWriting, EveryValueReadsBackAsItself) {
  for (const std::string_view value : {nullValue, std::string_view("\\N"), std::string_view("\\\\N"),
                                       std::string_view("N"), std::string_view("\\"), std::string_view("a\\N")}) {
    std::string written;
    appendWrittenValue(written, value);
    EXPECT_EQ(readWrittenValue(written), value) << written;
  }
  EXPECT_TRUE(holdsEscapedValue("a,\\N"));
  EXPECT_TRUE(holdsEscapedValue("\\\\N,b"));
  EXPECT_FALSE(holdsEscapedValue("a\\N,b\\"));
  std::string values;
  readWrittenValues("\\N,\\\\N,x", values);
  EXPECT_EQ(values, "\n,\\N,x");
}

}  // namespace
}  // namespace qerix
