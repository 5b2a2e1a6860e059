#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspect/attribute_walk.h"
#include "inspect/query_warnings.h"
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
  AttributeWalk walk(query, suppliersAndParts(), language);
  walk.walk([&](TreeNode<AlgebraOperator>& node, const Relation* left, const Relation* right, std::string_view form,
                std::size_t /*formIndex*/) { checkShape(*node.payload, left, right, form, warnings); });
  return warnings;
}

std::vector<std::string> nodeNotes(std::string_view query) {
  std::vector<std::string> notes;
  findQueryWarnings(query, suppliersAndParts(), QueryLanguage::extended, false, &notes);
  return notes;
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
  const std::vector<std::string> notes = nodeNotes("project(join(join(S,SP),P),sname)");
  // project, join, join, S, SP, P
  ASSERT_EQ(notes.size(), 6u);
  EXPECT_EQ(notes[1], "pno, city");
  EXPECT_EQ(notes[2], "sno");
  for (const std::size_t plain : {0u, 3u, 4u, 5u}) EXPECT_EQ(notes[plain], "") << plain;
  EXPECT_EQ(nodeNotes("join(S,join(SP,Nope))")[0], "");
}

// One walk finds the conditions' warnings, the shapes' and the notes: the
// conditions' come first even where a shape's node lies below the condition's.
TEST(QueryWarnings, OneWalkKeepsConditionWarningsBeforeShapes) {
  std::vector<std::string> notes;
  const std::vector<std::string> warnings = findQueryWarnings(
      "select(join(join(S,SP),P),EQ(snam,Smith))", suppliersAndParts(), QueryLanguage::extended, false, &notes);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_NE(warnings[0].find("\"snam\" nem attributum"), std::string::npos) << warnings[0];
  EXPECT_NE(warnings[1].find("\"join(join(S,SP),P)\" termeszetes illesztes"), std::string::npos) << warnings[1];
  // select, join, join, S, SP, P
  ASSERT_EQ(notes.size(), 6u);
  EXPECT_EQ(notes[1], "pno, city");
  // A line that reads as a comment gets its one warning, and its notes all the same.
  notes.clear();
  EXPECT_EQ(findQueryWarnings("-- join(S,SP)", suppliersAndParts(), QueryLanguage::basic, false, &notes).size(), 1u);
  EXPECT_EQ(notes, std::vector<std::string>{""});
  // A query that does not parse has no nodes to note.
  findQueryWarnings("select(S,EQ(snam,1)", suppliersAndParts(), QueryLanguage::extended, false, &notes);
  EXPECT_TRUE(notes.empty());
}

}  // namespace
}  // namespace qerix
