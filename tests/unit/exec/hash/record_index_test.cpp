#include "exec/hash/record_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qerix {
namespace {

AttributeList typesOf(std::initializer_list<std::string_view> types) {
  AttributeList list;
  for (const std::string_view type : types) list.addAttribute(type, "c");
  return list;
}

TEST(RecordIndex, NumbersTextsInTheOrderAdded) {
  const AttributeList types = typesOf({"string", "string"});
  RecordIndex index(types, 2, 0);
  EXPECT_FALSE(index.find("a,b", index.hashOf("a,b")));
  EXPECT_EQ(index.add("a,b", index.hashOf("a,b")), 0U);
  EXPECT_EQ(index.add("a,", index.hashOf("a,")), 1U);
  EXPECT_EQ(index.find("a,b", index.hashOf("a,b")), 0U);
  EXPECT_EQ(index.find("a,", index.hashOf("a,")), 1U);
  EXPECT_FALSE(index.find("a,b ", index.hashOf("a,b ")));
}

TEST(RecordIndex, IntFieldsMatchByNumberAndOnlyComparedFieldsCount) {
  const AttributeList types = typesOf({"int", "string", "int"});
  RecordIndex index(types, 2, 4);
  index.add("007,x,1", index.hashOf("007,x,1"));
  EXPECT_EQ(index.find("+7,x,2", index.hashOf("+7,x,2")), 0U);
  EXPECT_FALSE(index.find("7,X,1", index.hashOf("7,X,1")));
}

TEST(RecordIndex, KeepsEveryEntryWhileGrowingFarPastItsExpectedSize) {
  const AttributeList types = typesOf({"int", "string"});
  RecordIndex index(types, 2, 1);
  std::vector<std::string> texts;
  for (int number = 0; number < 20000; ++number)
    texts.push_back(std::to_string(number) + "," + std::to_string(number % 7));
  for (std::uint32_t number = 0; number < texts.size(); ++number) {
    ASSERT_FALSE(index.find(texts[number], index.hashOf(texts[number]))) << texts[number];
    ASSERT_EQ(index.add(texts[number], index.hashOf(texts[number])), number);
  }
  for (std::uint32_t number = 0; number < texts.size(); ++number) {
    const std::string spelledOtherwise = "0" + texts[number];  // the same record under "int"
    EXPECT_EQ(index.find(spelledOtherwise, index.hashOf(spelledOtherwise)), number) << texts[number];
  }
}

// The same "int" value written in several ways.
std::string spelled(int number, unsigned way) {
  const std::string digits = std::to_string(number);
  switch (way % 4) {
    case 0:
      return digits;
    case 1:
      return "00" + digits;
    case 2:
      return " +" + digits;
    default:
      return "+0" + digits;
  }
}

TEST(RecordIndex, GrowsFromASmallExpectedCountAndFindsEveryTextUnderAnySpelling) {
  const AttributeList types = typesOf({"int", "string", "int"});
  for (const std::size_t expectedCount : {0, 1, 40}) {
    RecordIndex index(types, 3, expectedCount);
    std::vector<std::string> texts;
    for (int number = 0; number < 12000; ++number) {
      texts.push_back(spelled(number / 3, number) + ",s" + std::to_string(number % 3) + "," + spelled(number * 7, 3));
    }
    for (std::uint32_t number = 0; number < texts.size(); ++number) {
      const std::string_view text = texts[number];
      std::uint64_t hash = 0;
      index.hashBatch({&text, 1}, {&hash, 1});
      index.prefetchMatch(hash);
      ASSERT_FALSE(index.find(texts[number], hash)) << texts[number];
      ASSERT_EQ(index.add(texts[number], hash), number);
    }
    for (std::uint32_t number = 0; number < texts.size(); ++number) {
      const std::string other = spelled(static_cast<int>(number) / 3, number + 1) + ",s" + std::to_string(number % 3) +
                                "," + spelled(static_cast<int>(number) * 7, 0);
      const std::string_view text = other;
      std::uint64_t hash = 0;
      index.hashBatch({&text, 1}, {&hash, 1});
      index.prefetchMatch(hash);
      EXPECT_EQ(index.find(other, hash), number) << other;
      EXPECT_EQ(index.at(number), texts[number]);
      // Only the text field differs: no match.
      const std::string absent = spelled(static_cast<int>(number) / 3, number) + ",S" + std::to_string(number % 3) +
                                 "," + spelled(static_cast<int>(number) * 7, 3);
      EXPECT_FALSE(index.find(absent, index.hashOf(absent))) << absent;
    }
  }
}

TEST(RecordIndex, ReplacedTextsStayFindableAndAreTakenInNumberOrder) {
  const AttributeList types = typesOf({"int", "int"});
  RecordIndex index(types, 2, 2);
  std::vector<std::string> texts;
  std::vector<std::string> replacements;
  for (int number = 0; number < 3000; ++number) {
    texts.push_back(spelled(number, 0) + "," + spelled(number % 10, 1));
    replacements.push_back(spelled(number, 2) + "," + spelled(number % 10, 3));
  }
  for (std::uint32_t number = 0; number < texts.size(); ++number) {
    index.add(texts[number], index.hashOf(texts[number]));
    // Replace every third text while the table is still growing, the rest at the end.
    if (number % 3 == 0) index.replace(number, replacements[number]);
  }
  for (std::uint32_t number = 1; number < texts.size(); number += 3) index.replace(number, replacements[number]);
  for (std::uint32_t number = 0; number < texts.size(); ++number) {
    const bool replaced = number % 3 != 2;
    EXPECT_EQ(index.at(number), replaced ? replacements[number] : texts[number]);
    EXPECT_EQ(index.find(texts[number], index.hashOf(texts[number])), number);
    EXPECT_EQ(index.find(replacements[number], index.hashOf(replacements[number])), number);
  }
  const std::vector<std::string_view> taken = index.takeTexts();
  ASSERT_EQ(taken.size(), texts.size());
  for (std::uint32_t number = 0; number < texts.size(); ++number) {
    EXPECT_EQ(taken[number], number % 3 != 2 ? replacements[number] : texts[number]) << number;
  }
}

}  // namespace
}  // namespace qerix
