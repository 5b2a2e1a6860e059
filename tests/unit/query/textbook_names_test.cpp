#include <gtest/gtest.h>

#include <string>

#include "model/edit_distance.h"
#include "query/expression_parser.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::Evaluation;
using test::makeRelation;
using test::queryOutcome;
using test::relationList;

std::string textbookOutcome(std::string_view query, const RelationList& relations, Evaluation evaluation) {
  return queryOutcome(query, relations, evaluation, QueryLanguage::extended);
}

// Each comparison must receive the kinds of its own operands: the notes
// follow the prefix order (operands before the condition that tests them),
// not the textbook order, and a mix-up shows as a literal compared where an
// attribute was meant.
TEST(TextbookNames, EveryComparisonGetsItsOwnOperandKinds) {
  const RelationList relations = relationList(makeRelation("R(a string, b string)", {"b,a", "a,b", "x,y"}),
                                              makeRelation("S(c string)", {"b", "z"}));
  for (const Evaluation evaluation : {Evaluation::planned, Evaluation::plain}) {
    EXPECT_EQ(textbookOutcome("σ_{a = 'b'}(σ_{'a' = b}(R))", relations, evaluation),
              "(a string, b string)\nb,a\n");
    EXPECT_EQ(textbookOutcome("σ_{'x' ≠ a}(R) ⋈_{a = c ∧ 'b' = c} S", relations, evaluation),
              "(a string, b string, c string)\nb,a,b\n");
    // The prefix query the first stands for reads each operand as an attribute where one has the name.
    EXPECT_EQ(queryOutcome("select(select(R,EQ(a,b)),EQ(a,b))", relations, evaluation), "(a string, b string)\n");
  }
}

TEST(TextbookNames, NamesAreCheckedWhetherOrNotThereAreRecords) {
  const RelationList relations = relationList(makeRelation("R(a string, b int)", {}));
  for (const Evaluation evaluation : {Evaluation::planned, Evaluation::plain}) {
    EXPECT_EQ(textbookOutcome("σ_{B > 1}(R)", relations, evaluation),
              "fatal: Hibas feltetel, nincs ilyen attributum (1. sor 4. oszlop): \"B\"; erre gondolt: \"b\"?");
    EXPECT_EQ(textbookOutcome("σ_{a = 'x'}(R × R)", relations, evaluation),
              "fatal: Hibas feltetel, tobb attributum neve is ez (1. sor 4. oszlop): \"a\"");
    EXPECT_EQ(textbookOutcome("π_{a}(R) ∪ π_{a}(Q)", relations, evaluation),
              "fatal: Hibas kifejezes, nincs ilyen relacio (1. sor 18. oszlop): \"Q\"");
    EXPECT_EQ(queryOutcome("union(project(R,a),project(Q,a))", relations, evaluation), "null");
  }
}

// The names of a project list or of a rename by name follow their operand's
// notes and come before those of the nodes above: each name gets its own
// place, and the names of the other lists and conditions theirs.
TEST(TextbookNames, ListNamesTakeTheirOwnPlaces) {
  const RelationList relations = relationList(makeRelation("R(a string, b string)", {"x,y", "z,w"}),
                                              makeRelation("S(c string)", {"x"}), makeRelation("E(a string)", {}));
  for (const Evaluation evaluation : {Evaluation::planned, Evaluation::plain}) {
    EXPECT_EQ(textbookOutcome("π_{a, R.b}(σ_{a = 'x'}(R)) ⋈_{a = c} π_{c}(S)", relations, evaluation),
              "(a string, b string, c string)\nx,y,x\n");
    EXPECT_EQ(textbookOutcome("π_{b, a}(σ_{a = 'x'}(R)) ⋈_{a = c} π_{c, cc}(S)", relations, evaluation),
              "fatal: Hibas projekcio, nincs ilyen attributum (1. sor 42. oszlop): \"cc\"; erre gondolt: \"c\"?");
    EXPECT_EQ(textbookOutcome("π_{a}(E × E)", relations, evaluation),
              "fatal: Hibas projekcio, tobb attributum neve is ez (1. sor 4. oszlop): \"a\"");
    EXPECT_EQ(textbookOutcome("ρ_{e←b}(π_{a, b}(R)) ⋈_{a = c} ρ_{d←c, f←cc}(S)", relations, evaluation),
              "fatal: Hibas atnevezes, nincs ilyen attributum (1. sor 42. oszlop): \"cc\"; erre gondolt: \"c\"?");
    EXPECT_EQ(textbookOutcome("ρ_{x←b, y←a}(R × R)", relations, evaluation),
              "fatal: Hibas atnevezes, tobb attributum neve is ez (1. sor 6. oszlop): \"b\"");
    // The prefix list keeps the first of a shared name.
    EXPECT_EQ(queryOutcome("project(product(R,R),a)", relations, evaluation), "(a string)\nx\nz\n");
  }
}

// Lines and columns count characters, not bytes, across lines.
TEST(TextbookNames, PlacesCountCharactersOnTheirLine) {
  const RelationList relations = relationList(makeRelation("R(a string)", {"x"}));
  EXPECT_EQ(textbookOutcome("π_{a}(\n  σ_{a = 'x' ∧ zz = 'y'}(R))", relations, Evaluation::plain),
            "fatal: Hibas feltetel, nincs ilyen attributum (2. sor 16. oszlop): \"zz\"");
}

TEST(ClosestName, SameButForCaseOrWithinTwoEdits) {
  EXPECT_EQ(closestName("DEPT", {"name", "dept"}), "dept");
  EXPECT_EQ(closestName("dpt", {"name", "dept"}), "dept");
  EXPECT_EQ(closestName("flor", {"floor", "flo"}), "floor");
  EXPECT_EQ(closestName("xyz", {"name", "dept"}), "");
  EXPECT_EQ(closestName("a", {"b"}), "");  // as many edits as letters is no slip
}

}  // namespace
}  // namespace qerix
