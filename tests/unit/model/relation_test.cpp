#include "model/relation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exec/sort/record_sort.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::fatalMessageOf;
using test::makeRelation;
using test::printed;

std::vector<std::string> valuesOf(const Relation& relation) {
  return {relation.getRecordTexts().begin(), relation.getRecordTexts().end()};
}

TEST(RelationCopy, SharesRecordsButChangesStayOnOneSide) {
  const auto original = makeRelation("R(a int, b s)", {"2,x", "1,y"});
  auto copy = std::make_unique<Relation>(*original);
  EXPECT_EQ(printed(*copy), printed(*original));
  EXPECT_EQ(copy->getRecordTexts()[0].data(), original->getRecordTexts()[0].data());

  copy->appendNewRecord("3,z");
  sortRecords(*copy);
  copy->setName("C");
  copy->setAttributeName(1, "n");
  EXPECT_EQ(printed(*original), "R(a int, b s)\n2,x\n1,y\n");
  EXPECT_EQ(printed(*copy), "C(b s, n int)\ny,1\nx,2\nz,3\n");

  original->appendNewRecord("0,w");
  EXPECT_EQ(copy->getRecordCount(), 3U);
}

TEST(RelationCopy, OutlivesItsSource) {
  auto original = makeRelation("R(a s)", {"kept"});
  original->appendNewRecord("built");
  const Relation copy(*original);
  original.reset();
  EXPECT_EQ(valuesOf(copy), (std::vector<std::string>{"kept", "built"}));
}

TEST(RelationAppendCopy, CopiesByPositionAndPadsANarrowerSource) {
  Relation target;
  target.addAttribute("int", "x");
  target.addAttribute("s", "x");
  target.addAttribute("t", "y");
  const auto narrow = makeRelation("N(q int)", {"5"});
  const auto same = makeRelation("S(p s, q s, r s)", {"1,2,3"});
  target.appendCopy(narrow->getRecord(0));
  target.appendCopy(same->getRecord(0));
  EXPECT_EQ(valuesOf(target), (std::vector<std::string>{"5,,", "1,2,3"}));
}

TEST(RelationAppendCopy, AWiderSourceIsFatal) {
  Relation target;
  target.addAttribute("int", "x");
  const auto wide = makeRelation("W(p s, q s)", {"1,2"});
  EXPECT_EQ(fatalMessageOf([&] { target.appendCopy(wide->getRecord(0)); }),
            "Record::setValue( int fieldno, string value ): nagy fieldno!");
  EXPECT_TRUE(target.isEmpty());
}

TEST(RelationSort, IsStableUnderTheRecordOrder) {
  const auto relation = makeRelation("R(a int, b s)", {"10,a", "9,b", "09,c", "9,a"});
  sortRecords(*relation);
  EXPECT_EQ(valuesOf(*relation), (std::vector<std::string>{"9,a", "9,b", "09,c", "10,a"}));
}

TEST(RelationPrint, ColumnsInByteOrderOfNamesValuesFollowThem) {
  const auto relation = makeRelation("Emp(name string, age int, B x, ab y, a z)", {"Anna,34,b1,ab1,a1", ",,,,"});
  EXPECT_EQ(printed(*relation), "Emp(B x, a z, ab y, age int, name string)\nb1,a1,ab1,34,Anna\n,,,,\n");
}

TEST(RelationPrint, RepeatedNamesShowEachOwnTypeAndValue) {
  const auto relation = makeRelation("R(b x, a int, a t, b y)", {"1,2,3,4", "5,,7"});
  EXPECT_EQ(printed(*relation), "R(a int, a t, b x, b y)\n2,3,1,4\n,7,5,\n");
}

TEST(RelationPrint, NoAttributesAndNoName) {
  Relation bare;
  bare.setName("N");
  bare.appendNewRecord("");
  bare.appendNewRecord("");
  EXPECT_EQ(printed(bare), "N()\n\n\n");
  const auto unnamed = makeRelation("(a int)", {});
  EXPECT_EQ(printed(*unnamed), "(a int)\n");
}

TEST(RelationPrint, LeavesTheRelationAsItWas) {
  const auto relation = makeRelation("R(b s, a s)", {"2,1", "4,3"});
  const std::string once = printed(*relation);
  EXPECT_EQ(printed(*relation), once);
  EXPECT_EQ(valuesOf(*relation), (std::vector<std::string>{"2,1", "4,3"}));
}

}  // namespace
}  // namespace qerix
