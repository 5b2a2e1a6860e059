#include "exec/select/pair_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/builders.h"

namespace qerix {
namespace {

using test::queryOutcome;

// select(product, condition) takes the pair path; the same selection over
// the product built first must give the same records, order and errors.
void expectSameAsOverBuiltProduct(const RelationList& relations, const std::string& product,
                                  const std::string& condition) {
  const std::string paired = queryOutcome("select(" + product + "," + condition + ")", relations);
  auto built = test::evaluateQuery(product, relations);
  ASSERT_NE(built, nullptr) << product;
  built->setName("P");
  const RelationList productOnly = test::relationList(std::move(built));
  EXPECT_EQ(paired, queryOutcome("select(P," + condition + ")", productOnly)) << product << " " << condition;
}

class PairSearch : public ::testing::TestWithParam<bool> {
 protected:
  // The relations of the input, records in the file or in memory.
  RelationList load(std::string_view input) {
    return test::loadRelations(folder.write("input.txt", input), GetParam());
  }

  test::TempFolder folder;
};

INSTANTIATE_TEST_SUITE_P(RecordsInFileOrMemory, PairSearch, ::testing::Bool());

constexpr std::string_view joinInput =
    "q\n\nA(x int, a string)\n007,p\n7,q\n8,r\nx,s\n,t\n-0,u\n7,q\n\n"
    "B(y int, b string)\n7,u\n0,v\n07,w\n8,p\n 8,q\n+7,q\n\n"
    "T(y string, b string)\n007,q\n7,p\n7,t\n\n"
    "K(x int, k int)\n7,8\n8,7\n0,0\n\n"
    "E(y int, b string)\n";

TEST_P(PairSearch, IntJoinsMatchByNumber) {
  const RelationList relations = load(joinInput);
  EXPECT_EQ(queryOutcome("select(product(A,B),EQ(x,y))", relations),
            "(a string, b string, x int, y int)\n"
            "p,u,007,7\np,w,007,07\np,q,007,+7\nq,u,7,7\nq,w,7,07\nq,q,7,+7\n"
            "r,p,8,8\nr,q,8, 8\ns,v,x,0\nt,v,,0\nu,v,-0,0\nq,u,7,7\nq,w,7,07\nq,q,7,+7\n");
  for (const char* condition :
       {"EQ(x,y)", "EQ(y,x)", "AND(EQ(x,y),NEQ(a,p))", "AND(NEQ(b,u),EQ(x,y))", "AND(AND(GT(x,0),EQ(y,x)),LT(y,8))",
        "OR(EQ(x,y),EQ(a,s))", "NOT(EQ(x,y))", "AND(EQ(x,y),EQ(a,b))", "GT(x,y)", "EQ(x,x)", "EQ(x,7)"}) {
    expectSameAsOverBuiltProduct(relations, "product(A,B)", condition);
  }
}

TEST_P(PairSearch, TextJoinsAndTypeMismatches) {
  const RelationList relations = load(joinInput);
  for (const char* condition : {"EQ(a,b)", "AND(EQ(b,a),NEQ(y,7))", "EQ(x,y)", "AND(EQ(a,b),EQ(x,b))"}) {
    expectSameAsOverBuiltProduct(relations, "product(A,T)", condition);
  }
  EXPECT_EQ(queryOutcome("select(product(A,T),EQ(x,y))", relations), "fatal: Nem azonos a ket attributum tipusa!");
}

TEST_P(PairSearch, RepeatedNamesEmptyOperandsAndNestedOperands) {
  const RelationList relations = load(joinInput);
  for (const char* condition : {"EQ(x,k)", "EQ(k,x)", "AND(EQ(k,x),NEQ(a,q))", "EQ(a,k)"}) {
    expectSameAsOverBuiltProduct(relations, "product(A,K)", condition);
    expectSameAsOverBuiltProduct(relations, "product(K,A)", condition);
  }
  for (const char* condition : {"EQ(x,y)", "EQ(x,b)"}) {
    expectSameAsOverBuiltProduct(relations, "product(A,E)", condition);
    expectSameAsOverBuiltProduct(relations, "product(E,A)", condition);
  }
  expectSameAsOverBuiltProduct(relations, "product(project(A,),B)", "EQ(y,7)");
  expectSameAsOverBuiltProduct(relations, "product(B,project(A,))", "EQ(y,7)");
  expectSameAsOverBuiltProduct(relations, "product(A,product(B,K))", "AND(EQ(x,y),EQ(y,k))");
  expectSameAsOverBuiltProduct(relations, "product(select(A,GT(x,0)),rename(B,z,c))", "EQ(z,x)");
}

TEST_P(PairSearch, RandomJoinsAgreeWithTheBuiltProduct) {
  std::mt19937 random(7);
  const std::vector<std::string> spellings = {"", "0", "+", " ", "00"};
  auto number = [&] { return spellings[random() % spellings.size()] + std::to_string(random() % 8); };
  std::string input = "q\n\nF(x int, z int, s t)\n";
  for (int count = 0; count < 60; ++count) input += number() + "," + number() + ",w" + number() + "\n";
  input += "\nG(y int, u t)\n";
  for (int count = 0; count < 45; ++count) input += number() + ",w" + number() + "\n";
  const RelationList relations = load(input);
  for (const char* condition :
       {"EQ(x,y)", "AND(EQ(y,z),LT(s,u))", "AND(GTE(y,3),AND(EQ(s,u),EQ(x,y)))", "OR(EQ(x,y),EQ(z,y))"}) {
    expectSameAsOverBuiltProduct(relations, "product(F,G)", condition);
  }
}

// A select over a product hands its pairs on unjoined; whatever reads them
// must see what it sees over the product built first. Each query is run with
// "%" standing for product(A,B) and for P, that product built.
TEST_P(PairSearch, ResultsReadByOtherOperatorsAsOverTheBuiltProduct) {
  std::mt19937 random(11);
  const std::vector<std::string> spellings = {"", "0", "+", " ", "00"};
  auto number = [&](unsigned range) {
    return spellings[random() % spellings.size()] + std::to_string(random() % range);
  };
  auto text = [&](const char* prefix) { return prefix + std::to_string(random() % 4); };
  // Most records of A have no partner in B.
  std::string input = "q\n\nA(x int, a string)\n";
  for (int count = 0; count < 150; ++count) input += number(60) + "," + text("t") + "\n";
  input += "\nB(y int, b string)\n";
  for (int count = 0; count < 40; ++count) input += number(15) + "," + text(count % 2 == 0 ? "t" : "u") + "\n";
  input += "\nC(p int, q string, r int, s string)\n";
  for (int count = 0; count < 80; ++count) {
    input += number(15) + "," + text("t") + "," + number(15) + "," + text(count % 2 == 0 ? "t" : "u") + "\n";
  }
  input += "\nD(d int, e string)\n";
  for (int count = 0; count < 20; ++count) input += number(15) + "," + text("e") + "\n";
  RelationList relations = load(input);
  auto built = test::evaluateQuery("product(A,B)", relations);
  ASSERT_NE(built, nullptr);
  built->setName("P");
  relations.push_back(std::move(built));

  const auto join = test::evaluateQuery("select(product(A,B),EQ(x,y))", relations);
  ASSERT_NE(join, nullptr);
  ASSERT_GT(join->getRecordCount(), 0U);
  ASSERT_LT(test::evaluateQuery("project(select(product(A,B),EQ(x,y)),x,a)", relations)->getRecordCount(),
            test::evaluateQuery("project(A,x,a)", relations)->getRecordCount());

  for (const std::string query : {
           "select(%,EQ(x,y))",
           "project(select(%,EQ(x,y)),a,b)",
           "project(select(%,EQ(y,x)),b,y)",
           "union(select(%,EQ(x,y)),C)",
           "union(C,select(%,EQ(x,y)))",
           "union(select(%,EQ(x,y)),select(%,EQ(x,y)))",
           "minus(select(%,EQ(x,y)),C)",
           "minus(C,select(%,EQ(x,y)))",
           "minus(select(%,EQ(x,y)),select(%,AND(EQ(x,y),EQ(a,b))))",
           "select(select(%,EQ(x,y)),NEQ(a,b))",
           "select(select(%,AND(EQ(y,x),EQ(a,b))),GT(x,3))",
           "rename(select(%,EQ(x,y)),N(i,j,k,l))",
           "project(rename(select(%,EQ(x,y)),i,j),j)",
           "product(select(%,EQ(x,y)),D)",
           "product(D,select(%,EQ(x,y)))",
           "select(product(select(%,EQ(x,y)),D),EQ(d,x))",
           "select(product(D,select(%,EQ(x,y))),AND(EQ(y,d),NEQ(e,e1)))",
           "select(product(select(%,EQ(x,y)),select(%,EQ(x,y))),EQ(a,b))",
           // Conditions without an EQ between the operands.
           "select(%,GT(x,y))",
           "project(select(%,OR(EQ(x,y),EQ(a,b))),x,b)",
           "union(select(%,LT(x,y)),C)",
           "minus(select(%,NEQ(x,y)),select(%,EQ(a,b)))",
           // No pair passes.
           "select(%,EQ(x,1000))",
           "union(select(%,AND(EQ(x,y),EQ(x,1000))),C)",
       }) {
    std::string paired = query;
    std::string overBuilt = query;
    for (std::size_t at; (at = paired.find('%')) != std::string::npos;) paired.replace(at, 1, "product(A,B)");
    for (std::size_t at; (at = overBuilt.find('%')) != std::string::npos;) overBuilt.replace(at, 1, "P");
    EXPECT_EQ(queryOutcome(paired, relations), queryOutcome(overBuilt, relations)) << paired;
  }
}

}  // namespace
}  // namespace qerix
