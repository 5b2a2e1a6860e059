#include "plan/planner.h"

#include <gtest/gtest.h>

#include <string>

#include "algebra/dummy_operator.h"
#include "query/expression_parser.h"
#include "support/builders.h"

namespace qerix {
namespace {

// The planned tree in one line: each node's keyword, then its children.
std::string shape(const PlanNode& node) {
  std::string text(node.payload->getKeyword());
  if (node.left) text += "(" + shape(*node.left) + (node.right ? "," + shape(*node.right) : "") + ")";
  return text;
}

std::string planned(std::string_view query, std::string* watched = nullptr,
                    QueryLanguage language = QueryLanguage::basic) {
  const RelationList none;
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseExpression(tree, query, none, language);
  const QueryPlan plan = Planner::plan(tree);
  if (watched) {
    for (const WatchedRelation& relation : plan.watchedWhileLoading) *watched += relation.name + ";";
  }
  return shape(*tree.getRoot().left);
}

TEST(Planner, FusesSelectOverProductAndProjectOverSelect) {
  EXPECT_EQ(planned("select(product(A,B),EQ(a,b))"), "join(table,table)");
  EXPECT_EQ(planned("select(product(product(A,B),C),EQ(a,b))"), "join(product(table,table),table)");
  EXPECT_EQ(planned("project(select(A,EQ(a,1)),a)"), "project(table)");
  EXPECT_EQ(planned("project(select(select(A,EQ(a,1)),GT(a,0)),a)"), "project(select(table))");
  constexpr QueryLanguage extended = QueryLanguage::extended;
  EXPECT_EQ(planned("project(select(join(A,B),EQ(a,1)),a)", nullptr, extended), "project(table,table)");
  EXPECT_EQ(planned("project(select(join(A,B,EQ(a,b)),EQ(a,1)),a)", nullptr, extended), "project(join(table,table))");
  EXPECT_EQ(planned("select(join(A,B),EQ(a,1))", nullptr, extended), "select(join(table,table))");
  EXPECT_EQ(planned("select(project(A,a),EQ(a,1))"), "select(project(table))");
  EXPECT_EQ(planned("minus(rename(A,x),product(B,C))"), "minus(rename(table),product(table,table))");
}

TEST(Planner, WatchesTheRelationsThatNodesReadOnceWhileLoading) {
  std::string watched;
  planned("union(select(A,GT(a,1)),minus(project(B,a),project(select(C,EQ(c,1)),c)))", &watched);
  EXPECT_EQ(watched, "A;B;C;");
  watched.clear();
  planned("select(select(Emp,GT(a,1)),LT(a,5))", &watched);
  EXPECT_EQ(watched, "Emp;");
  watched.clear();
  planned("select(rename(Emp,N(b)),GT(b,1))", &watched);
  planned("select(product(A,B),EQ(a,b))", &watched);
  planned("minus(A,B)", &watched);
  EXPECT_EQ(watched, "");
}

}  // namespace
}  // namespace qerix
