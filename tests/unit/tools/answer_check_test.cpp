#include "tools/answer_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/builders.h"

namespace qerix {
namespace {

QueryOutcome result(std::string header, std::vector<std::string> records) {
  QueryOutcome outcome;
  outcome.hasResult = true;
  outcome.header = std::move(header);
  outcome.records = std::move(records);
  return outcome;
}

TEST(AnswerCheck, CountsMissingAndSurplusRecordsAsMultisets) {
  const QueryOutcome model = result("(a int)", {"1", "2", "2", "3"});
  // One 2 too few, one 4 too many: each missing or surplus as often as it is.
  const Verdict verdict = judge(model, result("(a int)", {"4", "1", "2", "3", "4"}));
  EXPECT_EQ(verdict.kind, Verdict::Kind::otherRecords);
  EXPECT_EQ(verdict.missingCount, 1U);
  EXPECT_EQ(verdict.surplusCount, 2U);
  EXPECT_EQ(verdict.missing, std::vector<std::string>({"2"}));
  EXPECT_EQ(verdict.surplus, std::vector<std::string>({"4", "4"}));
  EXPECT_EQ(describe(verdict), "hianyzik 1 rekord, folosleges 2 rekord");
}

TEST(AnswerCheck, TellsOrderFromDuplicatesFromOtherRecords) {
  const QueryOutcome model = result("(a int)", {"1", "2", "2"});
  EXPECT_EQ(judge(model, result("(a int)", {"1", "2", "2"})).kind, Verdict::Kind::same);
  EXPECT_EQ(judge(model, result("(a int)", {"2", "1", "2"})).kind, Verdict::Kind::otherOrder);
  EXPECT_EQ(judge(model, result("(a int)", {"1", "2"})).kind, Verdict::Kind::otherDuplicates);
  EXPECT_EQ(judge(model, result("(a int)", {"1", "1", "2"})).kind, Verdict::Kind::otherDuplicates);
  EXPECT_EQ(judge(model, result("(a int)", {"1", "2", "3"})).kind, Verdict::Kind::otherRecords);
  EXPECT_EQ(judge(model, result("R(a int)", {"1", "2", "2"})).kind, Verdict::Kind::otherName);
  EXPECT_EQ(judge(model, result("(a string)", {"1", "2", "2"})).kind, Verdict::Kind::otherAttributes);
}

TEST(AnswerCheck, ShowsTheFirstTenOfEachAndCountsTheRest) {
  std::vector<std::string> many;
  for (int value = 0; value < 25; ++value) many.push_back(std::to_string(value));
  const Verdict verdict = judge(result("(a int)", many), result("(a int)", {}));
  EXPECT_EQ(verdict.missingCount, 25U);
  ASSERT_EQ(verdict.missing.size(), 10U);
  EXPECT_EQ(verdict.missing.front(), "0");
  EXPECT_EQ(verdict.missing.back(), "9");
}

TEST(AnswerCheck, EvaluatesQueriesOverRelationsLoadedOnce) {
  const RelationList relations = test::relationList(test::makeRelation("R(a int, b string)", {"2,x", "1,y"}));
  const QueryOutcome outcome = evaluateQuery("project(R,a)", relations, QueryLanguage::basic);
  EXPECT_FALSE(outcome.failed);
  EXPECT_EQ(outcome.header, "(a int)");
  EXPECT_EQ(outcome.records, std::vector<std::string>({"1", "2"}));
  // Another query over the same relations sees them as loaded.
  EXPECT_EQ(evaluateQuery("R", relations, QueryLanguage::basic).records, std::vector<std::string>({"2,x", "1,y"}));
  EXPECT_EQ(evaluateQuery("select(R,EQ(a,b))", relations, QueryLanguage::basic).message,
            "Nem azonos a ket attributum tipusa!");
  EXPECT_FALSE(evaluateQuery("intersect(R,R)", relations, QueryLanguage::basic).hasResult);
  EXPECT_TRUE(evaluateQuery("intersect(R,R)", relations, QueryLanguage::extended).hasResult);
}

}  // namespace
}  // namespace qerix
