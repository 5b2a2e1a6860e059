#include "model/edit_distance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace qerix {
namespace {

// The whole table, as the textbook computes it.
std::size_t fullDistance(const std::string& from, const std::string& to) {
  std::vector<std::vector<std::size_t>> table(from.size() + 1, std::vector<std::size_t>(to.size() + 1));
  for (std::size_t line = 0; line <= from.size(); ++line) table[line][0] = line;
  for (std::size_t column = 0; column <= to.size(); ++column) table[0][column] = column;
  for (std::size_t line = 1; line <= from.size(); ++line) {
    for (std::size_t column = 1; column <= to.size(); ++column) {
      table[line][column] = std::min({table[line - 1][column] + 1, table[line][column - 1] + 1,
                                      table[line - 1][column - 1] + (from[line - 1] == to[column - 1] ? 0 : 1)});
    }
  }
  return table[from.size()][to.size()];
}

TEST(EditDistanceBelow, AgreesWithTheWholeTableBelowEveryBound) {
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    // Few letters, so that near and equal texts are common.
    auto text = [&] {
      std::string result(random() % 9, 'a');
      for (char& letter : result) letter = static_cast<char>('a' + random() % 3);
      return result;
    };
    const std::string from = text();
    const std::string to = text();
    const std::size_t exact = fullDistance(from, to);
    for (std::size_t bound : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5},
                              std::string_view::npos}) {
      EditBudget budget(inspectionEditBudget);
      EXPECT_EQ(editDistanceBelow(from, to, bound, budget), std::min(exact, bound))
          << '"' << from << "\" \"" << to << "\" below " << bound;
    }
  }
}

TEST(EditDistanceBelow, LongTextsCostOnlyTheBand) {
  const std::string from(1'000'000, 'x');
  std::string to = from;
  to[500'000] = 'y';
  // The whole table would be 10^12 cells; the band of a bound of 3 is 5 cells wide.
  EditBudget budget(6'000'000);
  EXPECT_EQ(editDistanceBelow(from, to, 3, budget), 1u);
  EXPECT_FALSE(budget.isSpent());
}

TEST(EditDistanceBelow, ASpentBudgetAnswersTheBoundFromThenOn) {
  EditBudget budget(60);  // one comparison of these two: 8 lines of 7 cells
  EXPECT_EQ(editDistanceBelow("kitten", "sitting", 10, budget), 3u);
  EXPECT_EQ(editDistanceBelow("kitten", "sitting", 10, budget), 10u);
  EXPECT_TRUE(budget.isSpent());
  EXPECT_EQ(editDistanceBelow("a", "b", 10, budget), 10u);
}

// The inspection's suggestions keep the rule of the run's own and share its
// budget: a candidate costs a unit, and a spent budget suggests nothing rather
// than the nearest of the names it got to.
TEST(ClosestName, WithABudgetTheSameRuleUntilItIsSpent) {
  const std::vector<std::string_view> names = {"Emp", "Dept", "Emps"};
  for (const std::string_view word : {"Empp", "dept", "Dpet", "E", "Projects"}) {
    EditBudget budget(inspectionEditBudget);
    EXPECT_EQ(closestName(word, names, budget), closestName(word, names)) << word;
  }
  EditBudget small(3);  // the first candidate's unit, and not all of its edits
  EXPECT_EQ(closestName("Empp", names, small), "");
  EXPECT_TRUE(small.isSpent());
  EXPECT_EQ(closestName("Emp", names, small), "");  // not even the same name, once spent
}

TEST(DidYouMeanOneOf, ListsEveryNameTheLastAfterVagy) {
  EXPECT_EQ(didYouMeanOneOf({}), "");
  EXPECT_EQ(didYouMeanOneOf({"R.a"}), "; erre gondolt: \"R.a\"?");
  EXPECT_EQ(didYouMeanOneOf({"R.a", "S.a", "T.a"}), "; erre gondolt: \"R.a\", \"S.a\" vagy \"T.a\"?");
}

}  // namespace
}  // namespace qerix
