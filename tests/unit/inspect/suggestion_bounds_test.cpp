#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/edit_distance.h"
#include "inspect/text_warnings.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::makeRelation;
using test::relationList;

std::vector<std::string> warningsOf(std::string_view query, const RelationList& relations, EditBudget& budget) {
  std::vector<std::string> warnings;
  TextWarnings(relations, QueryLanguage::extended, budget, warnings).checkQuery(query);
  return warnings;
}

TEST(RelationSuggestions, SameLettersFirstThenFewestEditsThenTheFirstOfEquals) {
  const RelationList relations =
      relationList(makeRelation("Emps(a int)", {}), makeRelation("EMP(a int)", {}), makeRelation("emp(a int)", {}),
                   makeRelation("Dept(a int)", {}), makeRelation("Dapt(a int)", {}));
  EditBudget budget(inspectionEditBudget);
  const std::vector<std::string> warnings = warningsOf("union(Emp,union(Depts,Emp))", relations, budget);
  ASSERT_EQ(warnings.size(), 3u);
  // "EMP" is the first in another case, though "Emps" is one edit away and comes before it.
  EXPECT_NE(warnings[0].find("erre gondolt: \"EMP\"?"), std::string::npos) << warnings[0];
  EXPECT_NE(warnings[1].find("erre gondolt: \"Dept\"?"), std::string::npos) << warnings[1];
  // A name asked for again gets the same answer.
  EXPECT_EQ(warnings[2], warnings[0]);
}

TEST(RelationSuggestions, ASpentBudgetLeavesTheWarningWithoutASuggestion) {
  const RelationList relations = relationList(makeRelation("Employees(a int)", {}));
  EditBudget budget(5);  // less than one comparison of these names costs
  const std::vector<std::string> warnings = warningsOf("Employes", relations, budget);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Figyelmeztetes: nincs \"Employes\" nevu relacio, ezert nincs eredmeny.");
  EXPECT_TRUE(budget.isSpent());
}

TEST(RelationSuggestions, LongNamesCostNoMoreThanTheBudget) {
  // Two 100000-byte names would be 10^10 cells over the whole table.
  const std::string loaded(100'000, 'r');
  const std::string asked(100'000, 's');
  RelationList relations;
  relations.push_back(makeRelation(loaded + "(a int)", {}));
  relations.push_back(makeRelation("R(a int)", {}));
  EditBudget budget(inspectionEditBudget);
  const std::vector<std::string> warnings = warningsOf("union(" + asked + ",S)", relations, budget);
  ASSERT_EQ(warnings.size(), 2u);
  // The budget ran out on the first; nothing is suggested from then on.
  EXPECT_EQ(warnings[1], "Figyelmeztetes: nincs \"S\" nevu relacio, ezert nincs eredmeny.");
}

TEST(TextWarningsDepth, FormsPastTheNestingLimitAreNotWalked) {
  const RelationList relations = relationList(makeRelation("R(a int)", {}));
  // A misspelt name at level 1002 is where the parser has already refused the query.
  std::string deep = "Q";
  for (int level = 0; level < 1001; ++level) deep = "union(R," + deep + ")";
  EditBudget budget(inspectionEditBudget);
  EXPECT_TRUE(warningsOf(deep, relations, budget).empty());
  std::string within = "Q";
  for (int level = 0; level < 999; ++level) within = "union(R," + within + ")";
  EXPECT_EQ(warningsOf(within, relations, budget).size(), 1u);
}

}  // namespace
}  // namespace qerix
