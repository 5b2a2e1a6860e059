#include <gtest/gtest.h>

#include <string>

#include "support/builders.h"

namespace qerix {
namespace {

using test::evaluateQuery;
using test::Evaluation;
using test::makeRelation;

// The qualified names of the result's attributes, joined by blanks.
std::string originsOf(std::string_view query, const RelationList& relations, Evaluation evaluation) {
  const std::unique_ptr<Relation> result = evaluateQuery(query, relations, evaluation, QueryLanguage::extended);
  if (!result) return "null";
  std::string names;
  for (const std::string& name : result->getAttributes().getQualifiedNames())
    names += (names.empty() ? "" : " ") + name;
  return names;
}

// Every node hands on where its attributes came from, planned or not: a
// node that rebuilds its attribute list and drops them shows here.
TEST(AttributeOrigins, EveryOperatorHandsThemOn) {
  const RelationList relations =
      test::relationList(makeRelation("R(a int, b int)", {"1,2", "3,4"}),
                         makeRelation("S(b int, c int)", {"2,5", "4,6"}), makeRelation("B(b int)", {"2"}));
  const std::pair<const char*, const char*> cases[] = {
      {"R", "R.a R.b"},
      {"product(R,S)", "R.a R.b S.b S.c"},
      {"join(R,S)", "R.a R.b S.b S.c"},
      {"join(R,S,EQ(a,c))", "R.a R.b S.b S.c"},
      {"select(product(R,S),EQ(a,c))", "R.a R.b S.b S.c"},
      {"semijoin(R,S)", "R.a R.b"},
      {"project(join(R,S),c,b)", "R.b S.b S.c"},
      {"project(select(join(R,S),GT(a,0)),b)", "R.b S.b"},
      {"divide(R,B)", "R.a"},
      {"union(R,rename(S,T(a,b)))", "R.a R.b"},
      {"rename(R,T(x,y))", "T.x T.y"},
      {"rename(R,x,y)", ""},
      {"renamerelation(join(R,S),T)", "T.a T.b T.c"},
      {"renameattribute(R,x<-a)", "R.x R.b"},
      {"T <- join(R,S); select(T,GT(a,0))", "T.a T.b T.c"},
  };
  for (const Evaluation evaluation : {Evaluation::planned, Evaluation::plain}) {
    for (const auto& [query, expected] : cases) EXPECT_EQ(originsOf(query, relations, evaluation), expected) << query;
  }
}

}  // namespace
}  // namespace qerix
