#include "algebra/group_operator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "support/builders.h"

namespace qerix {
namespace {

using test::queryOutcome;

std::string grouped(std::string_view query, const RelationList& relations) {
  return queryOutcome(query, relations, test::Evaluation::planned, QueryLanguage::extended);
}

// A large relation read in pieces at once must group as one pass over it
// does: the pieces' groups joined in input order, their counts, sums,
// distinct values and extremes joined too.
TEST(Grouping, PiecesOfTheFileGiveWhatOnePassGives) {
  std::string input = "q\n\nR(k int, v int, t string)\n";
  std::map<std::string, std::vector<int>> values;
  std::vector<std::string> order;
  for (int index = 0; index < 150000; ++index) {
    const int group = (index * 7919) % 1201;
    const int value = (index * 31) % 997 - 400;
    const std::string key = std::to_string(group);
    if (!values.count(key)) order.push_back(key);
    values[key].push_back(value);
    input += key + "," + std::to_string(value) + ",t" + std::to_string(value % 50) + "\n";
  }
  const test::TempFolder folder;
  const auto path = folder.write("input.txt", input);
  const std::string query = "group(R,k,COUNT(*)->c,COUNT(DISTINCT v)->d,SUM(v)->s,MAX(v)->hi,MIN(t)->lo)";
  const std::string inFile = grouped(query, test::loadRelations(path, false));
  EXPECT_EQ(inFile, grouped(query, test::loadRelations(path, true)));
  // The header is ordered by name: c, d, hi, k, lo, s.
  std::string expected = "(c int, d int, hi int, k int, lo string, s int)\n";
  for (const std::string& key : order) {
    const std::vector<int>& list = values[key];
    std::map<int, int> distinct;
    long long sum = 0;
    int high = list[0];
    std::string low = "t" + std::to_string(list[0] % 50);
    for (const int value : list) {
      ++distinct[value];
      sum += value;
      high = std::max(high, value);
      low = std::min(low, "t" + std::to_string(value % 50));
    }
    expected += std::to_string(list.size()) + "," + std::to_string(distinct.size()) + "," + std::to_string(high) +
                "," + key + "," + low + "," + std::to_string(sum) + "\n";
  }
  EXPECT_EQ(inFile, expected);
}

// Nulls and decimals join across the pieces too: a null key is one group in
// every piece, and decimal sums stay exact.
TEST(Grouping, NullsAndDecimalsInPiecesGiveWhatOneThreadGives) {
  std::string input = "γ_{k, COUNT(*)→c, COUNT(p)→np, SUM(p)→s, AVG(p)→a, MIN(p)→lo, MAX(v)→hi}(R)\n\n"
                      "R(k int, v int, p decimal)\n";
  for (int index = 0; index < 150000; ++index) {
    const int group = (index * 7919) % 97;
    input += (group == 5 ? std::string("\\N") : std::to_string(group)) + "," +
             (index % 7 == 0 ? std::string("\\N") : std::to_string(index % 1000)) + "," +
             (index % 5 == 0 ? std::string("\\N") : std::to_string(index % 300) + "." + std::to_string(index % 7)) +
             "\n";
  }
  const test::TempFolder folder;
  const test::RunOutcome parallel = test::runOnInput(folder, input, {"-x"}, RunSettings{true, true});
  const test::RunOutcome alone = test::runOnInput(folder, input, {"-x"}, RunSettings{true, false});
  EXPECT_EQ(parallel.status, 0) << parallel.errors;
  EXPECT_EQ(parallel.console, alone.console);
  // A header and 97 groups, the null key's among them.
  EXPECT_EQ(std::count(parallel.console.begin(), parallel.console.end(), '\n'), 98);
}

TEST(Grouping, IntKeysAndExtremesCompareByNumber) {
  const RelationList relations = test::relationList(
      test::makeRelation("R(k int, v int, t string)", {"07,9,9", "7,10,10", "8,-3,x", " 8,-20,y"}));
  EXPECT_EQ(grouped("group(R,k,MAX(v)->hi,MIN(v)->lo,MAX(t)->ht)", relations),
            "(hi int, ht string, k int, lo int)\n10,9,07,9\n-3,y,8,-20\n");
}

TEST(Grouping, AveragesRoundHalfAwayFromZero) {
  const RelationList relations = test::relationList(test::makeRelation(
      "R(k string, v int)", {"a,1", "a,2", "b,-1", "b,-2", "c,1", "c,1", "c,2", "d,2", "d,2", "d,1", "e,0", "e,-1",
                             "f,-2147483648", "f,-2147483648"}));
  EXPECT_EQ(grouped("group(R,k,AVG(v)->a)", relations),
            "(a decimal, k string)\n1.5,a\n-1.5,b\n1.333333,c\n1.666667,d\n-0.5,e\n-2147483648,f\n");
}

TEST(Grouping, IntSumsThatLeaveThirtyTwoBitsEndTheRun) {
  const RelationList relations = test::relationList(
      test::makeRelation("R(k string, v int)", {"a,2147483647", "a,1", "a,-1", "b,-2147483648", "b,-1"}));
  // Only the sum counts, not the way to it.
  EXPECT_EQ(grouped("group(select(R,EQ(k,a)),SUM(v)->s)", relations), "(s int)\n2147483647\n");
  EXPECT_EQ(grouped("group(R,k,SUM(v)->s)", relations),
            "fatal: Hibas csoportositas, az int tipusu osszeg nem fer el 32 biten (-2147483648..2147483647): "
            "\"SUM(v)\"");
}

TEST(Grouping, WithoutGroupingAttributesOneRecordEvenOverNone) {
  const RelationList relations = test::relationList(test::makeRelation("R(k string, v int)", {"a,1", "b,2"}));
  EXPECT_EQ(grouped("group(R,COUNT(*),COUNT(DISTINCT k),SUM(v))", relations),
            "(count int, count_distinct_k int, sum_v int)\n2,2,3\n");
  EXPECT_EQ(grouped("group(select(R,EQ(k,z)),COUNT(*),COUNT(v))", relations), "(count int, count_v int)\n0,0\n");
  EXPECT_EQ(grouped("group(select(R,EQ(k,z)),k,COUNT(*))", relations), "(count int, k string)\n");
}

TEST(GroupingList, ReadsEveryFormAndRefusesWhatIsNoCall) {
  const GroupingList list = readGroupingList(" d , count(*) , n<-Count(DISTINCT R.a), avg(b)->m, MIN(c)");
  EXPECT_EQ(list.keys, std::vector<std::string>{"d"});
  ASSERT_EQ(list.aggregates.size(), 4U);
  EXPECT_EQ(list.aggregates[0].callText() + list.aggregates[0].resultName, "COUNT(*)count");
  EXPECT_EQ(list.aggregates[1].callText() + list.aggregates[1].resultName, "COUNT(DISTINCT R.a)n");
  EXPECT_EQ(list.aggregates[2].callText() + list.aggregates[2].resultName, "AVG(b)m");
  EXPECT_EQ(list.aggregates[3].callText() + list.aggregates[3].resultName, "MIN(c)min_c");
  EXPECT_EQ(defaultResultName(AggregateKind::countDistinct, "R.a"), "count_distinct_a");
  for (const char* malformed : {"COUNT(*", "COUNT(a b c)", "SUM()", "COUNT(*)->", "->n", "a b", "MAX(a)->n m"}) {
    EXPECT_NE(test::fatalMessageOf([&] { readGroupingList(malformed); }), "(no fatal error)") << malformed;
  }
}

}  // namespace
}  // namespace qerix
