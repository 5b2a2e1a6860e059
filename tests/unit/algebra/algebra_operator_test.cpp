#include "algebra/algebra_operator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "algebra/dummy_operator.h"
#include "algebra/minus_operator.h"
#include "algebra/product_operator.h"
#include "algebra/project_operator.h"
#include "algebra/rename_operator.h"
#include "algebra/select_operator.h"
#include "algebra/table_operator.h"
#include "algebra/union_operator.h"
#include "query/expression_parser.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::makeRelation;
using test::printed;
using test::queryOutcome;

template <class Node>
std::string printedNode(const Node& node) {
  std::ostringstream out;
  node.print(out);
  return out.str();
}

TEST(OperatorPrint, EachNodeDescribesItself) {
  const RelationList relations = test::relationList(makeRelation("R(a int)", {}));
  TableOperator found(relations);
  found.setName("  R ");
  TableOperator missing(relations);
  missing.setName("S");
  EXPECT_EQ(printedNode(DummyOperator()), "Dummy\n");
  EXPECT_EQ(printedNode(found), "Table: R\n");
  EXPECT_EQ(printedNode(missing), "Table: Error!\n");
  EXPECT_EQ(printedNode(UnionOperator()), "Union\n");
  EXPECT_EQ(printedNode(MinusOperator()), "Minus\n");
  EXPECT_EQ(printedNode(ProductOperator()), "Product\n");

  ProjectOperator project;
  project.setAttributeNames(" a, b");
  EXPECT_EQ(printedNode(project), "Project: a, b\n");
  RenameOperator named;
  named.setRenameList("N( a,b )");
  EXPECT_EQ(printedNode(named), "Rename: N(a,b)\n");
  RenameOperator unnamed;
  unnamed.setRenameList("x,y");
  EXPECT_EQ(printedNode(unnamed), "Rename: (x,y)\n");
}

TEST(OperatorPrint, SelectShowsItsConditionTreeBetweenStars) {
  SelectOperator select;
  EXPECT_EQ(printedNode(select), "Select: \n*\n*\n");
  select.setCondition("AND(EQ(x,y),NOT(GT(z,10)))");
  EXPECT_EQ(printedNode(select), "Select: \n*\nDUMMY\n   AND\n      EQ: x, y\n      NOT\n         GT: z, 10\n*\n");
}

TEST(OperatorPrint, BaseNodeAndAWholeQueryTree) {
  class Unnamed : public AlgebraOperator {
   public:
    void evaluate(AlgebraOperator*, AlgebraOperator*) override {}
  };
  EXPECT_EQ(printedNode(Unnamed()), "Default Relation Algebric Operator");

  const RelationList relations = test::relationList(makeRelation("R(a int)", {}));
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseExpression(tree, "project(select(R,EQ(a,1)),a)", relations);
  std::ostringstream out;
  PrintVisitor<AlgebraOperator> printer(out);
  tree.walkPreOrder(printer);
  EXPECT_EQ(out.str(), "Dummy\n   Project: a\n      Select: \n*\nDUMMY\n   EQ: a, 1\n*\n         Table: R\n");
}

TEST(DummyOperator, WithoutAChildHasNoResult) {
  DummyOperator dummy;
  dummy.evaluate(nullptr, nullptr);
  EXPECT_EQ(dummy.getResult(), nullptr);
}

constexpr std::string_view inputFile =
    "R\n\nR(a int, b string)\n1,x\n07,y\n3,z\n7,y\n2,x\n3,z\n\n"
    "S(c int, d string)\n7,y\n2,w\n9,x\n3,z\n\nE(a int, b string)\n";

const std::vector<std::string> everyOperator = {
    "R",
    "select(R,GT(a,2))",
    "select(R,EQ(b,none))",
    "select(select(R,GT(a,1)),LT(a,7))",
    "union(R,S)",
    "union(S,R)",
    "union(select(R,GT(a,1)),select(R,LT(a,3)))",
    "union(E,R)",
    "union(R,E)",
    "minus(R,S)",
    "minus(select(R,GT(a,1)),S)",
    "minus(R,select(R,GT(a,2)))",
    "minus(R,E)",
    "minus(E,R)",
    "project(R,b)",
    "project(select(R,LT(a,3)),a)",
    "rename(R,N(x,y))",
    "rename(select(R,NEQ(a,2)),x)",
    "product(R,S)",
    "product(E,R)",
    "product(R,R)",
    "select(product(R,S),EQ(a,c))",
    "select(product(R,S),GT(a,c))",
    "select(product(select(R,GT(a,0)),S),AND(EQ(a,c),EQ(b,d)))",
    "select(E,EQ(a,b))",
    "union(project(R,a),project(rename(S,a,b),a))",
};

TEST(RecordStorage, EveryOperatorGivesTheSameWithRecordsInFileOrMemory) {
  const test::TempFolder folder;
  const auto path = folder.write("input.txt", inputFile);
  const RelationList inFile = test::loadRelations(path, false);
  const RelationList inMemory = test::loadRelations(path, true);
  ASSERT_EQ(inFile.size(), 3U);
  ASSERT_FALSE(inFile[0]->isInMemory());
  ASSERT_TRUE(inMemory[0]->isInMemory());
  for (const std::string& query : everyOperator) {
    EXPECT_EQ(queryOutcome(query, inFile), queryOutcome(query, inMemory)) << query;
  }
  EXPECT_EQ(queryOutcome("select(R,GT(a,2))", inFile), "(a int, b string)\n07,y\n3,z\n7,y\n3,z\n");
}

TEST(RecordStorage, LoadedRelationsNeverChangeAndResultsOutliveThem) {
  const test::TempFolder folder;
  const auto path = folder.write("input.txt", inputFile);
  for (const bool inMemory : {false, true}) {
    for (const std::string& query : everyOperator) {
      RelationList relations = test::loadRelations(path, inMemory);
      const std::string before = printed(*relations[0]) + printed(*relations[1]);
      const auto result = test::evaluateQuery(query, relations);
      ASSERT_NE(result, nullptr) << query;
      const std::string resultText = printed(*result);
      EXPECT_EQ(printed(*relations[0]) + printed(*relations[1]), before) << query;
      relations.clear();
      EXPECT_EQ(printed(*result), resultText) << query;
    }
  }
}

}  // namespace
}  // namespace qerix
