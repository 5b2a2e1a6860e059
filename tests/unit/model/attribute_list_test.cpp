#include "model/attribute_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(AttributeOrigins, QualifiedLookupComesAfterTheExactName) {
  AttributeList list = threeAttributes();
  list.setOrigin("R");
  AttributeList other;
  other.addAttribute("int", "a");
  other.addAttribute("int", "R.b");
  other.setOrigin("S");
  list.addAttributes(other);
  EXPECT_EQ(list.findAttribute("R.a", NameLookup::plain), 0);
  EXPECT_EQ(list.findAttribute("R.a", NameLookup::qualified), 1);
  EXPECT_EQ(list.countAttributesFound("R.a", NameLookup::qualified), 2);
  EXPECT_EQ(list.findAttribute("S.a", NameLookup::qualified), 4);
  // An attribute bearing the text as its name wins over the one it qualifies.
  EXPECT_EQ(list.findAttribute("R.b", NameLookup::qualified), 5);
  EXPECT_EQ(list.countAttributesFound("R.b", NameLookup::qualified), 1);
  EXPECT_EQ(list.findAttribute("S.R.b", NameLookup::qualified), 5);
  for (const char* unknown : {"T.a", "R.", ".a", "Ra", "R.a ", "r.a", "S.b"}) {
    EXPECT_EQ(list.findAttribute(unknown, NameLookup::qualified), 0) << unknown;
  }
  list.setOrigin("");
  EXPECT_EQ(list.findAttribute("R.a", NameLookup::qualified), 0);
  EXPECT_TRUE(list.getQualifiedNames().empty());
}

TEST(AttributeOrigins, SharedAttributeTakesBothOriginsAndCopiesKeepThem) {
  AttributeList first;
  first.addAttribute("int", "a");
  first.setOrigin("R");
  AttributeList second;
  second.addAttribute("int", "a");
  second.addAttribute("string", "b");
  second.setOrigin("S");
  first.addOrigins(1, second, 1);
  first.addOrigins(1, second, 1);
  first.addAttributeFrom(second, 2);
  first.addAttributeFrom(first, 1);
  EXPECT_EQ(first.getQualifiedNames(), (std::vector<std::string>{"R.a", "S.a", "S.b", "R.a", "S.a"}));
  EXPECT_TRUE(first.isNumeric(3));
  first.addAttributeFrom(second, 0);
  EXPECT_EQ(first.getAttributeCount(), 4);
  EXPECT_EQ(first.getAttributeName(4), "");
}

AttributeList oneAttribute(std::string_view name, std::string_view origin) {
  AttributeList list;
  list.addAttribute("int", name);
  list.setOrigin(origin);
  return list;
}

TEST(AttributeOrigins, QualifiedNamesTellSharedNamesApartWhenTheyCan) {
  AttributeList product = oneAttribute("a", "R");
  product.addAttributes(oneAttribute("b", "R"));
  product.addAttributes(oneAttribute("a", "S"));
  EXPECT_EQ(product.qualifiedNamesTellingApart("a"), (std::vector<std::string>{"R.a", "S.a"}));
  // Two attributes a of R: "R.a" names both.
  product.addAttributes(oneAttribute("a", "R"));
  EXPECT_TRUE(product.qualifiedNamesTellingApart("a").empty());
  // Joined attributes: each by the origin that names it alone.
  AttributeList joined = oneAttribute("a", "R");
  joined.addOrigins(1, oneAttribute("a", "T"), 1);
  AttributeList other = oneAttribute("a", "R");
  other.addOrigins(1, oneAttribute("a", "S"), 1);
  joined.addAttributes(other);
  EXPECT_EQ(joined.qualifiedNamesTellingApart("a"), (std::vector<std::string>{"T.a", "S.a"}));
}

}  // namespace
}  // namespace qerix
