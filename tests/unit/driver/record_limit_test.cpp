#include "model/record_limit.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "driver/query_pipeline.h"
#include "support/builders.h"

namespace qerix {
namespace {

// R(a int) holding 1 .. count, and Q(b int) holding count + 1 .. 2 * count.
RelationList numbers(int count) {
  auto first = test::makeRelation("R(a int)", {});
  auto second = test::makeRelation("Q(b int)", {});
  for (int value = 1; value <= count; ++value) {
    first->appendNewRecord(std::to_string(value));
    second->appendNewRecord(std::to_string(count + value));
  }
  return test::relationList(std::move(first), std::move(second));
}

struct Evaluated {
  std::optional<std::uint64_t> stoppedAt;  // the limit named by RecordLimitExceeded
  std::size_t records = 0;
};

Evaluated evaluate(std::string_view query, const RelationList& relations, std::optional<std::uint64_t> limit,
                   bool steps = false) {
  PipelineOptions options;
  options.language = QueryLanguage::extended;
  options.recordLimit = limit;
  if (steps) options.stepRows = 3;
  QueryPipeline pipeline(options, relations);
  pipeline.parse(query);
  Evaluated evaluated;
  try {
    pipeline.evaluate();
    evaluated.records = pipeline.getResult()->getRecordCount();
  } catch (const RecordLimitExceeded& stop) {
    evaluated.stoppedAt = stop.getLimit();
  }
  return evaluated;
}

TEST(RecordLimit, BindsEveryNodesResultOnlyWhenSet) {
  const RelationList relations = numbers(100);
  for (const bool steps : {false, true}) {
    EXPECT_EQ(evaluate("union(R,rename(Q,R(a)))", relations, std::nullopt, steps).records, 200U);
    EXPECT_EQ(evaluate("union(R,rename(Q,R(a)))", relations, 200, steps).records, 200U);
    EXPECT_EQ(evaluate("union(R,rename(Q,R(a)))", relations, 199, steps).stoppedAt, 199U);
    // A table reference's result is held to the limit too.
    EXPECT_EQ(evaluate("project(R,a)", relations, 99, steps).stoppedAt, 99U);
  }
  // The limit lasts as long as the evaluation, stopped or not.
  EXPECT_EQ(RecordLimit::current(), RecordLimit::none);
}

TEST(RecordLimit, LeavesTheQuerysOwnErrorsAsTheyAre) {
  const RelationList relations = numbers(3);
  EXPECT_EQ(test::fatalMessageOf([&] { evaluate("project(R,c)", relations, 10); }),
            test::fatalMessageOf([&] { evaluate("project(R,c)", relations, std::nullopt); }));
  EXPECT_NE(test::fatalMessageOf([&] { evaluate("project(R,c)", relations, 10); }), "(no fatal error)");
}

// With steps, a node stopped while it grows keeps no step of its own; one
// stopped as it finished shows its result.
TEST(RecordLimit, StopsProductsAndJoinsWhileTheyGrow) {
  const RelationList relations = numbers(70'000);
  for (const std::string_view query :
       {"product(R,Q)", "join(R,Q)", "join(R,Q,LT(a,b))", "select(product(R,Q),LT(a,b))"}) {
    SCOPED_TRACE(query);
    // 4.9 * 10^9 pairs: built, they would take all the memory there is.
    EXPECT_EQ(evaluate(query, relations, 1000).stoppedAt, 1000U);
    PipelineOptions options;
    options.language = QueryLanguage::extended;
    options.recordLimit = 1000;
    options.stepRows = 3;
    QueryPipeline pipeline(options, relations);
    pipeline.parse(query);
    EXPECT_THROW(pipeline.evaluate(), RecordLimitExceeded);
    const TreeNode<AlgebraOperator>& grown = *pipeline.getTree().getRoot().left;
    const TreeNode<AlgebraOperator>& pairs = grown.left->left ? *grown.left : grown;
    EXPECT_EQ(pipeline.getSteps().of(pairs).outcome, NodeStep::Outcome::notEvaluated);
  }
}

}  // namespace
}  // namespace qerix
