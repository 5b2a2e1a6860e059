#include "tools/counterexample.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/builders.h"

namespace qerix {
namespace {

constexpr QueryLanguage basic = QueryLanguage::basic;

// Whether the answer differs from the model over the relations, as the
// search must decide it: a model that fails makes no counterexample.
bool differs(std::string_view model, std::string_view answer, const RelationList& relations,
             QueryLanguage language, Comparison comparison) {
  const QueryOutcome modelOutcome = evaluateQuery(model, relations, language);
  if (modelOutcome.failed) return false;
  return !isAccepted(judge(modelOutcome, evaluateQuery(answer, relations, language)), comparison);
}

// The relations with one record left out.
RelationList withoutRecord(const RelationList& relations, std::size_t relation, std::size_t record) {
  RelationList copies;
  for (std::size_t index = 0; index < relations.size(); ++index) {
    auto copy = std::make_unique<Relation>(*relations[index]);
    if (index == relation) {
      auto& texts = copy->changeRecordTexts();
      texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(record));
    }
    copies.push_back(std::move(copy));
  }
  return copies;
}

// Finds the counterexample and checks what every counterexample must be:
// the two differ on it, and on none with one record less.
Counterexample smallest(std::string_view model, std::string_view answer, const RelationList& data,
                        Comparison comparison = Comparison::records, QueryLanguage language = basic) {
  auto example = findCounterexample(model, answer, data, language, comparison, AnswerLimits{});
  if (!example) {
    ADD_FAILURE() << "no counterexample for " << answer;
    return {};
  }
  EXPECT_TRUE(example->minimal);
  EXPECT_EQ(example->relations.size(), data.size());
  EXPECT_TRUE(differs(model, answer, example->relations, language, comparison));
  EXPECT_EQ(evaluateQuery(answer, example->relations, language).records, example->answer.records);
  for (std::size_t relation = 0; relation < example->relations.size(); ++relation) {
    EXPECT_EQ(example->relations[relation]->getName(), data[relation]->getName());
    for (std::size_t record = 0; record < example->relations[relation]->getRecordCount(); ++record) {
      EXPECT_FALSE(differs(model, answer, withoutRecord(example->relations, relation, record), language, comparison))
          << "record " << record << " of " << data[relation]->getName() << " could go as well";
    }
  }
  return std::move(*example);
}

std::string recordsOf(const Counterexample& example) {
  std::string records;
  for (const auto& relation : example.relations) records += relation->getName() + ":" + test::recordsOf(*relation);
  return records;
}

// Employees and departments drawn at random, the same on every run.
RelationList company(int employees) {
  std::mt19937 random(7);
  const std::vector<std::string> departments = {"HR", "IT", "Sales", "Legal", "Lab"};
  auto emp = test::makeRelation("Emp(name string, age int, dept string)", {});
  for (int index = 0; index < employees; ++index) {
    emp->appendNewRecord("e" + std::to_string(index) + "," + std::to_string(20 + random() % 40) + "," +
                         departments[random() % departments.size()]);
  }
  auto dept = test::makeRelation("Dept(dept string, floor int)", {});
  for (std::size_t index = 0; index < departments.size(); ++index) {
    dept->appendNewRecord(departments[index] + "," + std::to_string(index));
  }
  auto unused = test::makeRelation("Unused(x int)", {"1", "2", "3"});
  return test::relationList(std::move(emp), std::move(dept), std::move(unused));
}

TEST(Counterexample, ShrinksTypicalMistakesToTheRecordsThatShowThem) {
  const RelationList data = company(400);
  // > instead of >=: one employee of exactly that age.
  const auto edge = smallest("select(Emp,GTE(age,40))", "select(Emp,GT(age,40))", data);
  EXPECT_EQ(edge.relations[0]->getRecordCount(), 1U);
  EXPECT_EQ(edge.relations[0]->getRecord(0).getValue(2), "40");
  EXPECT_EQ(edge.relations[1]->getRecordCount() + edge.relations[2]->getRecordCount(), 0U);

  // A join on the wrong attribute: one employee and one department that do not match.
  const auto join = smallest("project(select(product(Emp,rename(Dept,D(ddept,floor))),EQ(dept,ddept)),name,floor)",
                             "project(select(product(Emp,rename(Dept,D(ddept,floor))),NEQ(dept,ddept)),name,floor)",
                             data);
  ASSERT_EQ(join.relations[0]->getRecordCount(), 1U);
  ASSERT_EQ(join.relations[1]->getRecordCount(), 1U);
  EXPECT_EQ(join.relations[2]->getRecordCount(), 0U) << "a relation no query reads goes";

  // A minus the wrong way round: one record on one side.
  const auto minus = smallest("minus(project(Emp,dept),project(Dept,dept))",
                              "minus(project(Dept,dept),project(Emp,dept))", company(3));
  EXPECT_EQ(minus.relations[0]->getRecordCount() + minus.relations[1]->getRecordCount(), 1U) << recordsOf(minus);
}

TEST(Counterexample, DuplicatesCountUnlessTheComparisonIsBySet) {
  const RelationList data = test::relationList(
      test::makeRelation("R(a int, b string)", {"1,x", "2,y", "3,x", "2,y", "4,z", "5,x", "4,z", "2,y"}));
  const std::string_view model = "select(R,NEQ(b,x))";
  const std::string_view answer = "project(select(R,NEQ(b,x)),a,b)";
  const auto example = smallest(model, answer, data, Comparison::records);
  // Two records alike, either pair.
  ASSERT_EQ(example.relations[0]->getRecordCount(), 2U);
  EXPECT_EQ(example.relations[0]->getRecordTexts()[0], example.relations[0]->getRecordTexts()[1]);
  EXPECT_FALSE(findCounterexample(model, answer, data, basic, Comparison::set, AnswerLimits{}));
  EXPECT_FALSE(findCounterexample(model, model, data, basic, Comparison::bytes, AnswerLimits{}));
}

TEST(Counterexample, AnAnswerThatFailsDiffersAModelThatFailsDoesNot) {
  // Comparing a record with one of fewer values fails once the first values match.
  const RelationList data = test::relationList(test::makeRelation("R(a int, b string)", {"1,x", "2,y", "3,z"}),
                                               test::makeRelation("S(a int)", {"5", "3", "4"}));
  const auto failing = smallest("minus(project(R,a),S)", "project(minus(R,S),a)", data);
  EXPECT_TRUE(failing.answer.failed);
  EXPECT_EQ(recordsOf(failing), "R:3,z\nS:3\n");
  EXPECT_FALSE(findCounterexample("project(minus(R,S),a)", "R", data, basic, Comparison::set, AnswerLimits{}));

  // The model's sum leaves 32 bits on the two large records alone: that is
  // no counterexample, though the answer differs there too.
  const RelationList sums =
      test::relationList(test::makeRelation("R(a int)", {"7", "-2000000000", "2000000000", "2000000000"}));
  const auto example = smallest("group(R,SUM(a)->s)", "group(select(R,NEQ(a,7)),SUM(a)->s)", sums,
                                Comparison::records, QueryLanguage::extended);
  EXPECT_FALSE(example.model.failed);
  EXPECT_EQ(recordsOf(example), "R:7\n");
}

TEST(Counterexample, OutOfTimeGivesTheBestSoFarNotKnownMinimal) {
  const RelationList data = company(200);
  AnswerLimits noTime;
  noTime.seconds = 0;
  const auto example =
      findCounterexample("select(Emp,GTE(age,40))", "select(Emp,GT(age,40))", data, basic, Comparison::set, noTime);
  ASSERT_TRUE(example);
  EXPECT_FALSE(example->minimal);
  EXPECT_EQ(example->relations[0]->getRecordCount(), 200U) << "the data set itself is the best found";
  EXPECT_TRUE(differs("select(Emp,GTE(age,40))", "select(Emp,GT(age,40))", example->relations, basic,
                      Comparison::set));
}

}  // namespace
}  // namespace qerix
