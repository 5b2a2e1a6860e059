#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspect/shape_warnings.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::makeRelation;
using test::relationList;

RelationList suppliersAndParts() {
  return relationList(makeRelation("S(sno int, sname string, city string)", {"1,Smith,London"}),
                      makeRelation("P(pno int, color string, city string)", {"1,Red,London"}),
                      makeRelation("SP(sno int, pno int)", {"1,1"}));
}

std::vector<std::string> shapeWarnings(std::string_view query, QueryLanguage language = QueryLanguage::extended) {
  std::vector<std::string> warnings;
  findShapeWarnings(query, suppliersAndParts(), language, warnings);
  return warnings;
}

TEST(ShapeWarnings, EachTrapOnceAndTheCleanFormsNone) {
  // The city trap, a padded union, two types in one column, a quotient of two, a rename of one attribute.
  EXPECT_EQ(shapeWarnings("join(join(S,SP),P)").size(), 1u);
  EXPECT_EQ(shapeWarnings("union(S,SP)").size(), 1u);
  EXPECT_EQ(shapeWarnings("minus(project(S,sname),project(P,pno))").size(), 1u);
  EXPECT_EQ(shapeWarnings("divide(join(S,SP),project(SP,pno))").size(), 1u);
  EXPECT_EQ(shapeWarnings("rename(S,S2)").size(), 1u);
  // Matching on one attribute, or on all of one side's, is what a join means; so is a rename of every attribute.
  for (const std::string_view clean :
       {"join(S,SP)", "join(S,project(S,sno,city))", "union(project(S,sno),project(SP,pno))",
        "divide(SP,project(SP,pno))", "rename(S,T(a,b,c))", "rename(project(S,sno),n)", "join(S,P,EQ(sno,pno))"}) {
    EXPECT_TRUE(shapeWarnings(clean).empty()) << clean << ": " << (shapeWarnings(clean).empty() ? "" : shapeWarnings(clean)[0]);
  }
  // A query that does not parse, or names no relation, has no shapes to warn about.
  EXPECT_TRUE(shapeWarnings("join(S,").empty());
  EXPECT_TRUE(shapeWarnings("join(Nope,P)").empty());
}

TEST(NodeNotes, JoinsSayWhatTheyMatchedInTextOrder) {
  const std::vector<std::string> notes =
      findNodeNotes("project(join(join(S,SP),P),sname)", suppliersAndParts(), QueryLanguage::extended);
  // project, join, join, S, SP, P
  ASSERT_EQ(notes.size(), 6u);
  EXPECT_EQ(notes[1], "pno, city");
  EXPECT_EQ(notes[2], "sno");
  for (const std::size_t plain : {0u, 3u, 4u, 5u}) EXPECT_EQ(notes[plain], "") << plain;
  EXPECT_EQ(findNodeNotes("join(S,join(SP,Nope))", suppliersAndParts(), QueryLanguage::extended)[0], "");
}

}  // namespace
}  // namespace qerix
