#include <gtest/gtest.h>

#include <string>

#include "support/builders.h"

namespace qerix {
namespace {

using test::Evaluation;
using test::makeRelation;
using test::queryOutcome;
using test::relationList;

RelationList sailorsAndReserves() {
  return relationList(makeRelation("R(a int, b int)", {"1,2", "3,4"}),
                      makeRelation("S(b int, c int)", {"2,5", "4,6", "4,7"}));
}

// With -x a qualified name finds its attribute wherever a name is resolved:
// the planner's fused nodes and theta joins included. Without it the same
// text is what it always was, a literal or a missing name.
TEST(QualifiedNames, FindTheirAttributeOnlyWithTheOption) {
  const RelationList relations = sailorsAndReserves();
  const auto extended = [&](std::string_view query, Evaluation evaluation) {
    return queryOutcome(query, relations, evaluation, QueryLanguage::extended);
  };
  for (const Evaluation evaluation : {Evaluation::planned, Evaluation::plain}) {
    EXPECT_EQ(extended("project(select(product(R,S),EQ(R.b,S.b)),a,S.c)", evaluation),
              "(a int, c int)\n1,5\n3,6\n3,7\n");
    EXPECT_EQ(extended("π_{a,S.c}(σ_{R.b = S.b}(R × S))", evaluation), "(a int, c int)\n1,5\n3,6\n3,7\n");
    EXPECT_EQ(extended("π_{R.b}(R ⋈_{R.b < S.b ∧ S.c > 6} S)", evaluation), "(b int)\n2\n");
    // A natural join's attribute is named through either side, and is one attribute.
    EXPECT_EQ(extended("project(select(join(R,S),GT(S.b,2)),R.b,S.b)", evaluation), "(b int)\n4\n");
    // A name that qualifies no attribute stays a literal in the prefix notation.
    EXPECT_EQ(extended("select(R,EQ(a,T.a))", evaluation), "(a int, b int)\n");
    EXPECT_EQ(queryOutcome("select(product(R,S),EQ(R.b,S.b))", relations, evaluation),
              "(a int, b int, b int, c int)\n");
    EXPECT_EQ(queryOutcome("project(R,R.a)", relations, evaluation),
              "fatal: Record::getValue (int fieldno ): nagy fieldno!");
  }
}

}  // namespace
}  // namespace qerix
