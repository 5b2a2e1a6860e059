#include "tools/counterexample_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/builders.h"
#include "tools/counterexample.h"
#include "tools/counterexample_input.h"

namespace qerix {
namespace {

// The searches run in children give what each search gives here, in job
// order: what went through the pipe comes back whole.
TEST(CounterexampleRunner, GivesEachSearchsEndInJobOrder) {
  const RelationList data = test::relationList(
      test::makeRelation("R(a int, b string)", {"1,x", "2,y", "3,z", "4,"}),
      test::makeRelation("S(a int, c string)", {"2,p", "4,q", "9,r"}));
  struct Search {
    std::string model;
    std::string answer;
    Comparison comparison;
  };
  const std::vector<Search> searches{
      {"select(R,GTE(a,2))", "select(R,GT(a,2))", Comparison::bytes},    // one record
      {"project(R,a)", "project(R,a)", Comparison::bytes},               // nothing to find
      {"select(R,EQ(b,x))", "select(R,EQ(b,y))", Comparison::set},       // the answer's record and the model's
      {"project(R,a)", "project(R,b)", Comparison::records},             // other attributes: no record needed
      {"minus(project(R,a),project(S,a))", "minus(project(S,a),project(R,a))", Comparison::set},
  };
  std::vector<CounterexampleJob> jobs;
  for (const Search& search : searches) {
    jobs.push_back({search.model, search.answer, &data, QueryLanguage::basic, search.comparison, AnswerLimits{}});
  }
  const std::vector<FoundCounterexample> found = findCounterexamples(jobs, 2);
  ASSERT_EQ(found.size(), searches.size());
  for (std::size_t index = 0; index < searches.size(); ++index) {
    const std::optional<Counterexample> here = findCounterexample(
        searches[index].model, searches[index].answer, data, QueryLanguage::basic, searches[index].comparison, {});
    ASSERT_EQ(found[index].found, here.has_value()) << index;
    if (!here) continue;
    EXPECT_EQ(found[index].text, counterexampleInput(searches[index].answer, *here, QueryLanguage::basic).text);
    EXPECT_TRUE(found[index].written);
    EXPECT_TRUE(found[index].minimal);
    EXPECT_FALSE(found[index].modelResult.empty());
  }
  EXPECT_FALSE(found[1].found);
  EXPECT_EQ(found[0].answerResult, "(a int, b string)");  // GT(a,2) on the one record 2: nothing
}

}  // namespace
}  // namespace qerix
