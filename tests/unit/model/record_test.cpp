#include "model/record.h"

#include <gtest/gtest.h>

#include "model/relation.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::fatalMessageOf;
using test::makeRelation;

constexpr std::string_view getValueMessage = "Record::getValue (int fieldno ): nagy fieldno!";

TEST(RecordValue, ByNumberAndByFirstAttributeOfTheName) {
  const auto relation = makeRelation("R(a int, b s, a t)", {"1,,3"});
  const Record record = relation->getRecord(0);
  EXPECT_EQ(record.getValue(1), "1");
  EXPECT_EQ(record.getValue(2), "");
  EXPECT_EQ(record.getValue(3), "3");
  EXPECT_EQ(record.getValue("a"), "1");
  EXPECT_EQ(record.getValue("b"), "");
}

TEST(RecordValue, FieldNumbersOutOfRangeAndUnknownNamesAreFatal) {
  const auto relation = makeRelation("R(a int, b s)", {"1,2"});
  const Record record = relation->getRecord(0);
  for (const int fieldno : {0, -1, 3}) {
    EXPECT_EQ(fatalMessageOf([&] { record.getValue(fieldno); }), getValueMessage) << fieldno;
  }
  EXPECT_EQ(fatalMessageOf([&] { record.getValue("A"); }), getValueMessage);
  EXPECT_EQ(fatalMessageOf([&] { record.getValue(""); }), getValueMessage);
}

TEST(RecordOrder, IntFieldsCompareAsNumbersTextFieldsAsBytes) {
  const auto relation = makeRelation("R(n int, t string)", {"007,b", "7,b", "10,a", "9,a", "9,ab"});
  const auto record = [&](std::size_t index) { return relation->getRecord(index); };
  EXPECT_TRUE(record(0) == record(1));
  EXPECT_TRUE(record(3) < record(2));
  EXPECT_TRUE(record(3) < record(4));
  EXPECT_TRUE(record(4) > record(3));
  EXPECT_TRUE(record(0) <= record(1) && record(0) >= record(1));
  EXPECT_FALSE(record(0) < record(1) || record(0) > record(1));
}

TEST(RecordOrder, TheLeftRecordsRelationGivesCountAndTypes) {
  const auto numbers = makeRelation("N(v int, w x)", {"07,a"});
  const auto texts = makeRelation("T(v string, w x, z y)", {"7,a,z", "07,a,z"});
  // From N's side two fields compare, the first as int; from T's side three, as text.
  EXPECT_TRUE(numbers->getRecord(0) == texts->getRecord(0));
  EXPECT_TRUE(texts->getRecord(0) > numbers->getRecord(0));
  EXPECT_EQ(fatalMessageOf([&] { (void)(texts->getRecord(1) == numbers->getRecord(0)); }), getValueMessage);
}

TEST(RecordOrder, AMissingFieldIsFatalOnlyWhenTheComparisonReachesIt) {
  const auto wide = makeRelation("W(a int, b int)", {"1,5", "2,5"});
  const auto narrow = makeRelation("N(a int)", {"1"});
  EXPECT_TRUE(wide->getRecord(1) > narrow->getRecord(0));  // decided by field 1
  EXPECT_EQ(fatalMessageOf([&] { (void)(wide->getRecord(0) == narrow->getRecord(0)); }), getValueMessage);
  EXPECT_TRUE(narrow->getRecord(0) == wide->getRecord(0));  // the narrow side compares one field
}

TEST(RecordOrder, RecordsWithoutAttributesAreAllEqual) {
  Relation empty;
  empty.appendNewRecord("");
  empty.appendNewRecord("");
  const auto other = makeRelation("R(a int)", {"5"});
  EXPECT_TRUE(empty.getRecord(0) == empty.getRecord(1));
  EXPECT_TRUE(empty.getRecord(0) == other->getRecord(0));
  EXPECT_TRUE(empty.getRecord(0) <= other->getRecord(0));
}

}  // namespace
}  // namespace qerix
