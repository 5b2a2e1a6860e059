// The planner's rewrites and the scheduler's pieces against the plain
// evaluation: the same bytes on every channel, for inputs large enough to
// cross every size threshold (pieces at once, sorting in pieces, distinct
// records that give hashing up for sorting, selections that give copying up
// for bits). The golden cases and examples run both ways too (plain.*).

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "driver/run.h"
#include "model/tuning.h"
#include "support/builders.h"

namespace qerix {
namespace {

class PlainEvaluation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = std::make_unique<test::TempFolder>();
    relations = largeRelations();
  }
  static void TearDownTestSuite() { folder.reset(); }

  // Relations of more records than a piece needs: R in key order, S
  // shuffled and sharing half of R's records (some written otherwise, 07
  // for 7), N narrower than R, and D small; H gives numbers some of five
  // skills, shuffled, some numbers written otherwise, C two of the skills.
  static std::string largeRelations() {
    std::mt19937 random(2026);
    const std::size_t count = tuning::parallelFrom + 9000;
    std::string r = "R(k int, s string, v int)\n";
    std::vector<std::string> s;
    std::string n = "N(k int, s string)\n";
    for (std::size_t k = 0; k < count; ++k) {
      const std::string value = std::to_string(random() % 500000);
      const std::string text = "t" + std::to_string(random() % 40);
      r += std::to_string(k) + "," + text + "," + value + "\n";
      if (random() % 2 == 0) s.push_back((random() % 3 == 0 ? "0" : "") + std::to_string(k) + "," + text + "," + value);
      if (random() % 2 == 0) s.push_back(std::to_string(count + random() % count) + "," + text + "," + value);
      if (k % 50000 == 7) n += std::to_string(k) + "," + text + "\n";
    }
    std::shuffle(s.begin(), s.end(), random);
    std::vector<std::string> h;
    for (std::size_t k = 0; k < count / 2; ++k) {
      for (int skill = 0; skill < 5; ++skill) {
        if (random() % 2 == 0)
          h.push_back((random() % 4 == 0 ? "0" : "") + std::to_string(k) + ",c" + std::to_string(skill));
      }
    }
    std::shuffle(h.begin(), h.end(), random);
    std::string input = r + "\nS(k int, s string, v int)\n";
    for (const std::string& record : s) input += record + "\n";
    input += "\n" + n + "\nD(s string, floor int)\n";
    for (int text = 0; text < 40; text += 3)
      input += "t" + std::to_string(text) + "," + std::to_string(text % 7) + "\n";
    input += "\nH(k int, s string)\n";
    for (const std::string& record : h) input += record + "\n";
    input += "\nC(s string)\nc1\nc3\n";
    return input;
  }

  // With -x, for the textbook operators.
  static test::RunOutcome runQuery(const std::string& query, const RunSettings& settings) {
    return test::runOnInput(*folder, query + "\n\n" + relations, {"-x"}, settings);
  }

  static inline std::unique_ptr<test::TempFolder> folder;
  static inline std::string relations;
};

TEST_F(PlainEvaluation, LargeInputsGiveTheSameBytesWithRewritesOnAndOff) {
  const char* queries[] = {
      "select(R,AND(GT(v,250000),EQ(s,t7)))",
      "select(R,GT(v,-1))",
      "project(R,v)",
      "project(S,s,v)",
      "project(select(S,LT(v,400000)),k)",
      "union(R,S)",
      "union(S,R)",
      "minus(R,S)",
      "minus(S,R)",
      "minus(R,N)",
      "select(product(R,rename(D,E(t,floor))),AND(EQ(s,t),GT(floor,3)))",
      "select(product(D,R),AND(EQ(s,s),LT(v,1000)))",
      "select(product(N,R),EQ(k,s))",
      "project(union(select(R,LT(k,70000)),select(S,GTE(k,60000))),s,k)",
      "intersect(R,S)",
      "join(R,rename(D,E(s,floor)))",
      "semijoin(S,R)",
      "antijoin(R,S)",
      "antijoin(S,N)",
      "join(N,R,EQ(k,k))",
      // Each pair tested and projected as the join finds it, in pieces.
      "project(select(join(R,rename(D,E(s,floor))),GT(floor,3)),s,k)",
      "project(select(join(S,rename(D,E(s,floor))),LT(floor,5)),floor,v)",
      "project(select(join(S,N),GT(v,5)),s)",
      "project(select(join(N,rename(D,E(t,floor))),LT(k,60000)),k,floor)",
      // R in key order and S shuffled: division counts runs in order, or hashes.
      "divide(R,project(select(R,LT(v,2000)),s))",
      "divide(S,project(select(R,LT(v,2000)),s))",
      "divide(project(R,k,s),rename(project(D,s),Q(s)))",
      // A shuffled dividend whose quotient is one number: counted by number.
      "divide(H,C)",
      "divide(H,rename(project(select(R,LT(k,3)),s),C(s)))",
      // Sorted in pieces and merged; duplicates removed in order; outer joins.
      "sort(S,s DESC,v,k)",
      "distinct(project(S,s,v))",
      "distinct(S)",
      "leftjoin(S,rename(D,E(s,floor)))",
      "fulljoin(N,R,EQ(k,k))",
  };
  for (const char* query : queries) {
    const test::RunOutcome planned = runQuery(query, {});
    const test::RunOutcome plain = runQuery(query, {.rewrites = false, .parallel = false});
    EXPECT_EQ(planned.status, plain.status) << query;
    EXPECT_EQ(planned.errors, plain.errors) << query;
    EXPECT_TRUE(planned.console == plain.console) << query;
    EXPECT_TRUE(planned.output == plain.output) << query;
  }
  // The cases end as they should: a match with the narrower N, and text
  // compared with a number.
  EXPECT_EQ(runQuery("minus(R,N)", {}).errors, "Record::getValue (int fieldno ): nagy fieldno!\n");
  EXPECT_EQ(runQuery("select(product(N,R),EQ(k,s))", {}).errors, "Nem azonos a ket attributum tipusa!\n");
}

}  // namespace
}  // namespace qerix
