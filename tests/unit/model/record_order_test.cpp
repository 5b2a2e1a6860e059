#include "model/record_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "exec/sort/record_sort.h"
#include "model/record_values.h"

namespace qerix {
namespace {

using namespace std::string_literals;

constexpr std::weak_ordering less = std::weak_ordering::less;
constexpr std::weak_ordering equal = std::weak_ordering::equivalent;
constexpr std::weak_ordering greater = std::weak_ordering::greater;

AttributeList typesOf(std::initializer_list<std::string_view> types) {
  AttributeList list;
  for (const std::string_view type : types) list.addAttribute(type, "c");
  return list;
}

TEST(ValueOrder, TextComparesUnsignedBytesAndPrefixIsSmaller) {
  EXPECT_EQ(compareValue("ab", "abc", ValueKind::text), less);
  EXPECT_EQ(compareValue("", "a", ValueKind::text), less);
  EXPECT_EQ(compareValue("Z", "a", ValueKind::text), less);
  EXPECT_EQ(compareValue("z", "\x80", ValueKind::text), less);
  EXPECT_EQ(compareValue("\xFF", "\x7F", ValueKind::text), greater);
  EXPECT_EQ(compareValue("a", "a\0"s, ValueKind::text), less);
  EXPECT_EQ(compareValue("9", "10", ValueKind::text), greater);
  EXPECT_EQ(compareValue("007", "7", ValueKind::text), less);
}

TEST(ValueOrder, IntComparesConvertedNumbers) {
  EXPECT_EQ(compareValue("007", "7", ValueKind::number), equal);
  EXPECT_EQ(compareValue(" +7x", "7", ValueKind::number), equal);
  EXPECT_EQ(compareValue("abc", "", ValueKind::number), equal);
  EXPECT_EQ(compareValue("9", "10", ValueKind::number), less);
  EXPECT_EQ(compareValue("-5", "3", ValueKind::number), less);
  EXPECT_EQ(compareValue("2147483648", "0", ValueKind::number), less);  // wraps to the smallest int
}

TEST(RecordOrder, FieldsDecideFromTheFirstAndTypesComeFromTheList) {
  const AttributeList types = typesOf({"int", "string"});
  EXPECT_EQ(compareValues(types, 2, "07,b", "7,b"), equal);
  EXPECT_EQ(compareValues(types, 2, "9,z", "10,a"), less);
  EXPECT_EQ(compareValues(types, 2, "1,ab", "01,abc"), less);
  // Only the first fieldCount fields count.
  EXPECT_EQ(compareValues(types, 1, "1,a", "1,b"), equal);
  EXPECT_EQ(compareValues(types, 0, "1", "2"), equal);
  // The same text under "INT" is text.
  EXPECT_EQ(compareValues(typesOf({"INT"}), 1, "9", "10"), greater);
}

TEST(RecordHash, EqualUnderTheTypesHashEqual) {
  const AttributeList types = typesOf({"int", "string", "int"});
  EXPECT_EQ(hashValues(types, 3, "07,a, 1"), hashValues(types, 3, "7,a,+1"));
  EXPECT_EQ(hashValues(types, 3, "x,a,0"), hashValues(types, 3, ",a,"));
  EXPECT_EQ(hashValues(types, 3, "4294967303,a,1"), hashValues(types, 3, "7,a,1"));
  EXPECT_EQ(hashValues(types, 2, "1,a,5"), hashValues(types, 2, "1,a,6"));  // fields past the count
  EXPECT_NE(hashValues(types, 3, "1,a,1"), hashValues(types, 3, "1,b,1"));
}

// The sort must agree with a plain stable sort by compareValues, whatever
// shortcuts it takes on the first value.
void expectSortedLikeReference(std::vector<std::string_view> records, const AttributeList& types) {
  const int fieldCount = types.getAttributeCount();
  std::vector<std::string_view> expected = records;
  std::stable_sort(expected.begin(), expected.end(), [&](std::string_view left, std::string_view right) {
    return compareValues(types, fieldCount, left, right) < 0;
  });
  stableSortRecords(records, types, fieldCount);
  ASSERT_EQ(records.size(), expected.size());
  // The same views, not only the same texts: equal records keep their order.
  const auto differs =
      std::mismatch(records.begin(), records.end(), expected.begin(),
                    [](std::string_view left, std::string_view right) { return left.data() == right.data(); });
  EXPECT_TRUE(differs.first == records.end())
      << "at " << (differs.first - records.begin()) << ": " << *differs.first << " for " << *differs.second;
}

TEST(RecordSort, IsStableForIntAndTextFirstFields) {
  const std::vector<std::string> texts = {"10,a", "9,b", "010,c", "+9,d", "x,e", "-1,f", "0,g", "10,a"};
  const std::vector<std::string_view> records(texts.begin(), texts.end());
  expectSortedLikeReference(records, typesOf({"int", "string"}));
  expectSortedLikeReference(records, typesOf({"string", "string"}));
}

TEST(RecordSort, KeysEqualInTheFirstEightBytesAndNulBytes) {
  const std::vector<std::string> texts = {"abcdefgh2,x", "abcdefgh1,y", "abcdefgh,z",   "abcdefgh1,a",
                                          "a\0b,1"s,     "a,2",         "a\0,3"s,       "\xFF\xFE,4",
                                          "\x80,5",      "abcdefghi,6", "abcdefgh\0,7"s};
  const std::vector<std::string_view> records(texts.begin(), texts.end());
  expectSortedLikeReference(records, typesOf({"s", "int"}));
}

TEST(RecordSort, AlreadySortedAndReversedInputs) {
  std::vector<std::string> texts;
  for (int number = 0; number < 300; ++number)
    texts.push_back(std::to_string(number / 3) + "," + std::to_string(number));
  std::vector<std::string_view> records(texts.begin(), texts.end());
  expectSortedLikeReference(records, typesOf({"int", "int"}));
  std::reverse(records.begin(), records.end());
  expectSortedLikeReference(records, typesOf({"string", "int"}));
}

TEST(RecordSort, RandomRecordsAgreeWithTheReference) {
  std::mt19937 random(20240611);
  const std::vector<std::string> pieces = {"",         "0",         "7",    "07",   "-7",         " 7",
                                           "abcdefgh", "abcdefgh0", "\x80", "a\0"s, "2147483648", "Z"};
  std::vector<std::string> texts;
  for (int count = 0; count < 2000; ++count) {
    texts.push_back(pieces[random() % pieces.size()] + pieces[random() % pieces.size()] + "," +
                    pieces[random() % pieces.size()]);
  }
  const std::vector<std::string_view> records(texts.begin(), texts.end());
  expectSortedLikeReference(records, typesOf({"int", "int"}));
  expectSortedLikeReference(records, typesOf({"text", "int"}));
  expectSortedLikeReference(records, typesOf({"int", "text"}));
}

// The leading key of a decimal first field, nulls among them, and runs of
// texts equal in their first eight and sixteen bytes, in a small sort (whose
// memory a thread keeps) and in a large one.
TEST(RecordSort, DecimalsNullsAndLongSharedPrefixesAgreeWithTheReference) {
  AttributeList decimals = typesOf({"decimal", "int"});
  decimals.readDecimalTypes();
  std::mt19937 random(20261210);
  const std::vector<std::string> numbers = {
      "\n", "0", "-0.0", "3.5", "3.50", "+3.5", "-12.25", "10.", ".75", "999999999999999999.5", "-999999999999999999"};
  const std::vector<std::string> prefixes = {"abcdefgh", "abcdefghijklmnop", "abcdefghijklmnopq", "\n", ""};
  for (const std::size_t count : {std::size_t{500}, std::size_t{70000}}) {
    std::vector<std::string> decimalTexts;
    std::vector<std::string> prefixTexts;
    for (std::size_t index = 0; index < count; ++index) {
      decimalTexts.push_back(numbers[random() % numbers.size()] + "," + std::to_string(index % 7));
      prefixTexts.push_back(prefixes[random() % prefixes.size()] + std::to_string(random() % 5) + "," +
                            std::to_string(index % 7));
    }
    expectSortedLikeReference({decimalTexts.begin(), decimalTexts.end()}, decimals);
    expectSortedLikeReference({prefixTexts.begin(), prefixTexts.end()}, typesOf({"text", "int"}));
  }
}

// sortedPositions against a stable sort of the positions: empty exactly when
// the records are in order already, the stable permutation otherwise.
void expectPositionsLikeReference(const std::vector<std::string>& texts, const AttributeList& types, int fieldCount) {
  const std::vector<std::string_view> records(texts.begin(), texts.end());
  std::vector<std::uint32_t> expected(records.size());
  for (std::uint32_t position = 0; position < expected.size(); ++position) expected[position] = position;
  std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t left, std::uint32_t right) {
    return compareValues(types, fieldCount, records[left], records[right]) < 0;
  });
  const bool inOrder = std::is_sorted(expected.begin(), expected.end());
  const std::vector<std::uint32_t> positions = sortedPositions(records, types, fieldCount);
  if (inOrder) {
    EXPECT_TRUE(positions.empty()) << positions.size() << " positions for records in order";
  } else {
    EXPECT_TRUE(positions == expected) << texts.size() << " records over " << fieldCount << " fields";
  }
}

TEST(SortedPositions, EmptyWhenInOrderAlready) {
  const AttributeList types = typesOf({"int", "string"});
  expectPositionsLikeReference({}, types, 2);
  expectPositionsLikeReference({"5,z"}, types, 2);
  expectPositionsLikeReference({"7,b", "07,b", "+7,b", "7,b"}, types, 2);  // all equal
  expectPositionsLikeReference({"1,b", "02,a", "2,a", "10,"}, types, 2);
  expectPositionsLikeReference({"2,b", "2,a"}, types, 1);  // in order over the first field
  expectPositionsLikeReference({"2,b", "1,a"}, types, 0);  // no field decides
  expectPositionsLikeReference({"2,b", "2,a"}, types, 2);
  expectPositionsLikeReference({"10,a", "9,a"}, types, 2);
  expectPositionsLikeReference({"10,a", "9,a"}, typesOf({"string", "string"}), 2);
}

TEST(SortedPositions, StableUnderTiesInTheLeadingBytesAndEqualRecords) {
  std::mt19937 random(77);
  const std::string highBytes(8, '\xFF');
  const std::vector<std::string> leads = {
      "abcdefgh",         "abcdefgh0",         "abcdefgh1",           "abcdefghij",
      "abcdefg",          highBytes,           highBytes + "\x01",    "abcdefgh\0"s,
      "abcdefghijklmnop", "abcdefghijklmnop0", "abcdefghijklmnop\0"s, highBytes + highBytes + "\x80"};
  const std::vector<std::string> numbers = {"7", "07", "+7", " 7", "-7", "0", "", "x", "2147483647", "-2147483648"};
  const AttributeList leadingTwo = typesOf({"int", "string"});
  for (int round = 0; round < 20; ++round) {
    std::vector<std::string> texts;
    const int count = 2 + round * 15;
    for (int index = 0; index < count; ++index) {
      texts.push_back(leads[random() % leads.size()] + "," + numbers[random() % numbers.size()] + "," +
                      std::to_string(random() % 3));
    }
    expectPositionsLikeReference(texts, typesOf({"string", "int", "int"}), 3);
    expectPositionsLikeReference(texts, typesOf({"string", "int", "int"}), 2);
    expectPositionsLikeReference(texts, typesOf({"string", "string", "string"}), 1);
    for (std::string& text : texts) text = numbers[random() % numbers.size()] + "," + text;
    expectPositionsLikeReference(texts, typesOf({"int", "string", "int", "int"}), 4);
    expectPositionsLikeReference(texts, typesOf({"int", "string", "int", "int"}), 1);
    std::stable_sort(texts.begin(), texts.end(), [&](const std::string& left, const std::string& right) {
      return compareValues(leadingTwo, 2, left, right) < 0;
    });
    expectPositionsLikeReference(texts, typesOf({"int", "string", "int", "int"}), 2);
    expectPositionsLikeReference(texts, typesOf({"int", "string", "int", "int"}), 4);
  }
}

// Many records are sorted in two halves at once and merged: equal first
// fields, and records that compare equal, lie in both halves, and the first
// half's come first.
TEST(SortedPositions, StableAcrossTheHalvesOfManyRecords) {
  std::mt19937 random(78);
  const std::vector<std::string> numbers = {"7", "07", "+7", "-7", "0", "", "2147483647", "-2147483648", "12", "012"};
  const std::vector<std::string> leads = {
      "abcdefghijklmnop", "abcdefghijklmnopq", "abcdefghijklmnop\0"s, "b", "", "\x80"};
  std::vector<std::string> texts;
  for (int index = 0; index < 140000; ++index) {
    texts.push_back(numbers[random() % numbers.size()] + "," + leads[random() % leads.size()] + "," +
                    numbers[random() % numbers.size()]);
  }
  expectPositionsLikeReference(texts, typesOf({"int", "string", "int"}), 2);
  for (std::string& text : texts) text = leads[random() % leads.size()] + "," + text;
  expectPositionsLikeReference(texts, typesOf({"string", "int", "string", "int"}), 3);
}

// Over two million records are gathered into a new list in their order
// rather than moved within theirs: still stable.
TEST(RecordSort, StableForMillionsOfRecords) {
  const std::size_t count = (std::size_t{1} << 21) + 7;
  std::vector<std::string> texts;
  texts.reserve(count);
  for (std::size_t index = 0; index < count; ++index) {
    const std::size_t number = (count - index) / 3;
    texts.push_back((index % 2 == 0 ? "0" : "") + std::to_string(number) + "," + std::to_string(index));
  }
  std::vector<std::string_view> records(texts.begin(), texts.end());
  stableSortRecords(records, typesOf({"int", "int"}), 1);
  ASSERT_EQ(records.size(), count);
  const AttributeList types = typesOf({"int"});
  bool ordered = true;
  for (std::size_t index = 1; index < count; ++index) {
    const auto order = compareValues(types, 1, records[index - 1], records[index]);
    const auto positions = compareValue(valueAt(records[index - 1], 2), valueAt(records[index], 2), ValueKind::number);
    ordered = ordered && (order < 0 || (order == 0 && positions < 0));
  }
  EXPECT_TRUE(ordered);
}

}  // namespace
}  // namespace qerix
