#include "model/attribute_list.h"

#include <gtest/gtest.h>

namespace qerix {
namespace {

AttributeList threeAttributes() {
  AttributeList list;
  list.addAttribute("int", "a");
  list.addAttribute("string", "b");
  list.addAttribute("text", "a");
  return list;
}

TEST(AttributeList, LookupsOutOfRangeGiveNothing) {
  AttributeList list = threeAttributes();
  for (const int position : {0, -1, 4}) {
    EXPECT_EQ(list.getAttributeName(position), "") << position;
    EXPECT_EQ(list.getAttributeType(position), "") << position;
    EXPECT_FALSE(list.isNumeric(position)) << position;
  }
  list.setAttributeName(0, "x");
  list.setAttributeName(4, "x");
  EXPECT_EQ(list.getAttributeIndex("x"), 0);
  EXPECT_EQ(list.getAttributeCount(), 3);
}

TEST(AttributeList, NameLookupIsExactAndFindsTheFirst) {
  AttributeList list = threeAttributes();
  EXPECT_EQ(list.getAttributeIndex("a"), 1);
  EXPECT_EQ(list.getAttributeIndex("b"), 2);
  EXPECT_EQ(list.getAttributeIndex("A"), 0);
  EXPECT_EQ(list.getAttributeIndex("a "), 0);
  EXPECT_EQ(list.getAttributeIndex(""), 0);
  list.setAttributeName(2, "");
  EXPECT_EQ(list.getAttributeIndex(""), 2);
}

TEST(AttributeList, OnlyTheExactTypeIntIsNumeric) {
  EXPECT_TRUE(isNumericType("int"));
  for (const char* type : {"INT", "Int", "int ", " int", "integer", ""}) EXPECT_FALSE(isNumericType(type)) << type;
}

TEST(AttributeList, AddAttributesOfItselfDoublesTheList) {
  AttributeList list = threeAttributes();
  list.addAttributes(list);
  ASSERT_EQ(list.getAttributeCount(), 6);
  EXPECT_EQ(list.getAttributeName(4), "a");
  EXPECT_EQ(list.getAttributeType(5), "string");
  EXPECT_EQ(list.getAttributeType(6), "text");
  EXPECT_EQ(list.getAttributeIndex("a"), 1);
}

}  // namespace
}  // namespace qerix
