#include "tools/answer_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/builders.h"
#include "tools/forked_jobs.h"

namespace qerix {
namespace {

using namespace std::chrono_literals;

// Whether this process has no child left, ended or not.
bool noChildLeft() { return ::waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD; }

// Enough jobs that children take several each: the jobs after one that dies
// or hangs in a batch still run.
TEST(ForkedJobs, AJobThatDiesOrHangsDisturbsNoOther) {
  std::vector<JobEnd> ends(64);
  std::vector<std::size_t> order;
  ForkedJobs jobs(2);
  jobs.run(
      ends.size(), [](std::size_t index) { return index == 20 ? 200ms : 60s; },
      [](std::size_t index) -> std::string {
        if (index == 10) std::abort();
        if (index == 20) {
          while (true) ::pause();
        }
        if (index == 30) throw std::runtime_error("thrown in the child");
        // Bytes more than a pipe holds at once.
        return std::string(200'000, static_cast<char>('0' + index));
      },
      [&](std::size_t index, JobEnd end) {
        ends[index] = std::move(end);
        order.push_back(index);
      });
  EXPECT_EQ(ends[10].kind, JobEnd::Kind::signalled);
  EXPECT_EQ(ends[10].code, SIGABRT);
  EXPECT_EQ(ends[20].kind, JobEnd::Kind::timedOut);
  EXPECT_EQ(ends[30].kind, JobEnd::Kind::exited);
  for (std::size_t index = 0; index < ends.size(); ++index) {
    if (index == 10 || index == 20 || index == 30) continue;
    EXPECT_EQ(ends[index].kind, JobEnd::Kind::finished) << index;
    EXPECT_EQ(ends[index].bytes, std::string(200'000, static_cast<char>('0' + index))) << index;
  }
  EXPECT_EQ(order.size(), ends.size());
  EXPECT_TRUE(noChildLeft());
}

TEST(ForkedJobs, LeavesNoChildWhenTheCallerThrows) {
  ForkedJobs jobs(2);
  EXPECT_THROW(jobs.run(
                   5, [](std::size_t) { return 60s; },
                   [](std::size_t index) -> std::string {
                     while (index > 0) ::pause();
                     return "done";
                   },
                   [](std::size_t, JobEnd) { throw std::runtime_error("the caller's own work failed"); }),
               std::runtime_error);
  EXPECT_TRUE(noChildLeft());
}

// R(a int) holding 1 .. 100, and the relations an answer runs over.
RelationList hundred() {
  auto relation = test::makeRelation("R(a int, b string)", {});
  for (int value = 1; value <= 100; ++value) relation->appendNewRecord(std::to_string(value) + ",v");
  return test::relationList(std::move(relation));
}

TEST(AnswerRunner, GivesEachOutcomeInJobOrderWithinItsLimits) {
  const RelationList relations = hundred();
  const RelationList other = test::relationList(test::makeRelation("R(a int, b string)", {"7,x"}));
  // 10^8 pairs that all fail: far past the time limit, with no record kept.
  const std::string slow =
      "select(product(product(R,rename(R,S(c,d))),product(rename(R,T(e,f)),rename(R,U(g,h)))),LT(a,0))";
  AnswerLimits quick;
  quick.seconds = 0.2;
  AnswerLimits fewRecords;
  fewRecords.records = 5;
  const std::vector<Evaluation> jobs{
      {slow, &relations, QueryLanguage::basic, quick},
      {"project(select(R,LT(a,4)),a)", &relations, QueryLanguage::basic, {}},
      {"select(R,EQ(a,b))", &relations, QueryLanguage::basic, {}},
      {"project(R,a)", &relations, QueryLanguage::basic, fewRecords},
      {"project(R,a)", &other, QueryLanguage::basic, fewRecords},
      {"Nothing", &other, QueryLanguage::basic, {}},
  };
  const std::vector<QueryOutcome> outcomes = evaluateAll(jobs, 2);
  ASSERT_EQ(outcomes.size(), jobs.size());
  EXPECT_EQ(outcomes[0].stoppedBy, QueryOutcome::Limit::time);
  EXPECT_EQ(outcomes[0].limit, "0.2");
  EXPECT_EQ(outcomes[3].stoppedBy, QueryOutcome::Limit::records);
  EXPECT_EQ(outcomes[3].limit, "5");
  // Within the limits, what the same evaluation in this process gives.
  for (const std::size_t index : {1, 2, 4, 5}) {
    const QueryOutcome here = evaluateQuery(jobs[index].query, *jobs[index].relations, jobs[index].language);
    EXPECT_EQ(outcomes[index].stoppedBy, QueryOutcome::Limit::none) << index;
    EXPECT_EQ(outcomes[index].failed, here.failed) << index;
    EXPECT_EQ(outcomes[index].message, here.message) << index;
    EXPECT_EQ(outcomes[index].hasResult, here.hasResult) << index;
    EXPECT_EQ(outcomes[index].header, here.header) << index;
    EXPECT_EQ(outcomes[index].records, here.records) << index;
  }
  EXPECT_EQ(outcomes[1].records, std::vector<std::string>({"1", "2", "3"}));
  EXPECT_TRUE(outcomes[2].failed);
  EXPECT_FALSE(outcomes[5].hasResult);
  EXPECT_TRUE(noChildLeft());

  // A stopped answer has no result to compare, whatever the model gave.
  QueryOutcome failedModel;
  failedModel.failed = true;
  EXPECT_EQ(judge(failedModel, outcomes[0]).kind, Verdict::Kind::timeLimit);
  EXPECT_EQ(describe(judge(outcomes[1], outcomes[3])),
            "a valasz tullepte a rekordkorlatot: egy eredmenye tobb mint 5 rekord");
  EXPECT_EQ(describe(judge(outcomes[1], outcomes[0])), "a valasz tullepte az idokorlatot (0.2 mp)");
}

TEST(AnswerRunner, ReadsLimitsAsTheCommandLineGivesThem) {
  EXPECT_EQ(readTimeLimit("2"), 2.0);
  EXPECT_EQ(readTimeLimit("0.25"), 0.25);
  EXPECT_EQ(readTimeLimit("1000000"), 1e6);
  for (const std::string_view bad :
       {"", "0", "0.0", "-1", "1.", ".5", "1e3", "inf", "nan", " 1", "1,5", "1000001", "0x10", "2s"}) {
    EXPECT_EQ(readTimeLimit(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(readRecordLimit("1"), 1U);
  EXPECT_EQ(readRecordLimit("18446744073709551615"), 18446744073709551615U);
  for (const std::string_view bad : {"", "0", "-5", "+5", "1.5", "18446744073709551616", "5 ", "many"}) {
    EXPECT_EQ(readRecordLimit(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace qerix
