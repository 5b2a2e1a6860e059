#include "driver/query_pipeline.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "algebra/dummy_operator.h"
#include "driver/input_file.h"
#include "exec/pieces/scheduler.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::fatalMessageOf;

constexpr std::string_view twoRelations = "project(select(R,GT(a,1)),a)\n\nR(a int, b string)\n1,x\n2,y\n3,z\n\nS(c int)\n7\n";

// The message the parser alone gives for a query text.
std::string parseMessage(std::string_view query) {
  const RelationList none;
  return fatalMessageOf([&] {
    AlgebraTree tree(std::make_unique<DummyOperator>());
    parseExpression(tree, query, none);
  });
}

class Pipeline : public ::testing::Test {
 protected:
  std::string fileFailure(QueryPipeline& pipeline, std::string_view content) {
    InputFile file(folder.write("input.txt", content).string());
    return fatalMessageOf([&] { pipeline.load(file); });
  }

  test::TempFolder folder;
};

TEST_F(Pipeline, LoadStopsBeforeEvaluation) {
  QueryPipeline pipeline({});
  EXPECT_EQ(fileFailure(pipeline, twoRelations), "(no fatal error)");
  EXPECT_TRUE(pipeline.isParsed());
  EXPECT_TRUE(pipeline.isLoaded());
  EXPECT_EQ(pipeline.getInput().query, "project(select(R,GT(a,1)),a)");
  ASSERT_EQ(pipeline.getInput().relations.size(), 2U);
  EXPECT_EQ(pipeline.getResult(), nullptr);
  pipeline.evaluate();
  ASSERT_NE(pipeline.getResult(), nullptr);
  EXPECT_EQ(test::printed(*pipeline.getResult()), "(a int)\n2\n3\n");
}

TEST_F(Pipeline, MalformedQueryIsReportedAfterEveryRelationWasReadAndEchoed) {
  std::ostringstream echo;
  PipelineOptions options;
  options.echo = &echo;
  QueryPipeline pipeline(options);
  const std::string input = "select(R,GT(a,1)\n\nR(a int)\n1\n";
  EXPECT_EQ(fileFailure(pipeline, input), parseMessage("select(R,GT(a,1)"));
  EXPECT_FALSE(pipeline.isParsed());
  EXPECT_TRUE(pipeline.isLoaded());
  EXPECT_EQ(echo.str(), input);
  EXPECT_EQ(pipeline.getInput().relations.size(), 1U);
}

TEST_F(Pipeline, AMalformedFileWinsOverAMalformedQuery) {
  QueryPipeline pipeline({});
  const std::string message = fileFailure(pipeline, "select(R\n\nR()\n");
  EXPECT_EQ(message, "Hibas relacio fejlec, ures az attributumlista: \"R()\"");
  EXPECT_FALSE(pipeline.isLoaded());
}

TEST_F(Pipeline, ParseOnlyRefusesAMalformedQueryAtOnce) {
  const RelationList relations = test::relationList(test::makeRelation("R(a int)", {"1"}));
  QueryPipeline pipeline({}, relations);
  EXPECT_EQ(fatalMessageOf([&] { pipeline.parse("union(R)"); }), parseMessage("union(R)"));
  EXPECT_FALSE(pipeline.isParsed());
}

TEST_F(Pipeline, QueriesReuseRelationsLoadedOnceAndLeaveThemAsTheyWere) {
  // Records left in the file by the loader, read again by every query.
  QueryPipeline data({});
  ASSERT_EQ(fileFailure(data, twoRelations), "(no fatal error)");
  const RelationList& relations = data.getInput().relations;
  for (const bool rewrites : {true, false}) {
    PipelineOptions options;
    options.settings.rewrites = rewrites;
    for (int round = 0; round < 2; ++round) {
      QueryPipeline taken(options, relations);
      taken.parse("R");
      taken.evaluate();
      EXPECT_EQ(test::printed(*taken.getResult()), "R(a int, b string)\n1,x\n2,y\n3,z\n");
      QueryPipeline failing(options, relations);
      failing.parse("select(R,EQ(a,b))");
      EXPECT_EQ(fatalMessageOf([&] { failing.evaluate(); }), "Nem azonos a ket attributum tipusa!");
      QueryPipeline joined(options, relations);
      joined.parse("project(select(product(R,S),GT(c,a)),b)");
      joined.evaluate();
      EXPECT_EQ(test::printed(*joined.getResult()), "(b string)\nx\ny\nz\n");
    }
  }
  EXPECT_EQ(test::recordsOf(*relations[0]), "1,x\n2,y\n3,z\n");
}

TEST_F(Pipeline, StepsKeepEachNodesOwnResultOnOneThread) {
  PipelineOptions options;
  options.stepRows = 1;
  QueryPipeline pipeline(options);
  ASSERT_EQ(fileFailure(pipeline, twoRelations), "(no fatal error)");
  Scheduler::setParallel(true);
  pipeline.evaluate();
  EXPECT_TRUE(Scheduler::isParallel());
  const auto& project = *pipeline.getTree().getRoot().left;
  const NodeStep& selected = pipeline.getSteps().of(*project.left);
  EXPECT_EQ(selected.outcome, NodeStep::Outcome::result);
  EXPECT_EQ(selected.recordCount, 2U);
  EXPECT_EQ(selected.firstRecords, std::vector<std::string>{"2,y"});
  EXPECT_EQ(pipeline.getSteps().of(*project.left->left).recordCount, 3U);
  EXPECT_EQ(test::printed(*pipeline.getResult()), "(a int)\n2\n3\n");
}

TEST_F(Pipeline, StepsStopAtTheNodeThatEndsTheRun) {
  PipelineOptions options;
  options.stepRows = 5;
  QueryPipeline pipeline(options);
  ASSERT_EQ(fileFailure(pipeline, "project(select(R,EQ(a,b)),a)\n\nR(a int, b string)\n1,x\n"), "(no fatal error)");
  EXPECT_EQ(fatalMessageOf([&] { pipeline.evaluate(); }), "Nem azonos a ket attributum tipusa!");
  const auto& project = *pipeline.getTree().getRoot().left;
  EXPECT_EQ(pipeline.getSteps().of(*project.left).outcome, NodeStep::Outcome::failed);
  EXPECT_EQ(pipeline.getSteps().of(*project.left).message, "Nem azonos a ket attributum tipusa!");
  EXPECT_EQ(pipeline.getSteps().of(project).outcome, NodeStep::Outcome::notEvaluated);
}

}  // namespace
}  // namespace qerix
