#include "model/record_index.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qerix
