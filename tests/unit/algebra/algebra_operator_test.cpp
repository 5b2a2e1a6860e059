#include "algebra/algebra_operator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <set>
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
    std::string_view getKeyword() const override { return "unnamed"; }
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

// project over a select tests the condition in its own pass over the
// select's input; it must give what it gives over the selection built first.
TEST(ProjectOverSelect, SameAsOverTheSelectionBuiltFirst) {
  const test::TempFolder folder;
  const auto path = folder.write("input.txt", inputFile);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"select(R,GT(a,2))", "b"},
      {"select(R,GT(a,2))", "b,a"},
      {"select(R,EQ(b,none))", "a"},
      {"select(R,EQ(b,none))", "zz"},  // nothing passes: no field is read
      {"select(R,GT(a,2))", "zz"},     // the first passing record reads field 0
      {"select(select(R,GT(a,1)),LT(a,7))", "a"},
      {"select(product(R,S),EQ(a,c))", "b,d"},
      {"select(E,EQ(a,b))", "a"},
      {"select(union(R,S),NEQ(a,3))", "b"},
  };
  for (const bool inMemory : {false, true}) {
    const RelationList relations = test::loadRelations(path, inMemory);
    for (const auto& [selection, names] : cases) {
      auto built = test::evaluateQuery(selection, relations);
      ASSERT_NE(built, nullptr) << selection;
      built->setName("P");
      const RelationList selected = test::relationList(std::move(built));
      EXPECT_EQ(queryOutcome("project(" + selection + "," + names + ")", relations),
                queryOutcome("project(P," + names + ")", selected))
          << selection << " " << names << (inMemory ? " in memory" : " in file");
    }
    EXPECT_EQ(queryOutcome("project(select(R,GT(a,2)),zz)", relations),
              "fatal: Record::getValue (int fieldno ): nagy fieldno!");
    EXPECT_EQ(queryOutcome("project(select(R,EQ(a,b)),a)", relations), "fatal: Nem azonos a ket attributum tipusa!");
    EXPECT_EQ(queryOutcome("project(select(R,EQ(b,none)),zz)", relations), "( )\n");
  }
}

// Relations of a few hundred records for an input file, each record with
// its key under the types: an "int" value by its number, any other by its bytes.
struct GeneratedRecord {
  std::vector<std::string> values;
  std::vector<std::string> key;
};

struct GeneratedRelation {
  std::string header;
  std::vector<GeneratedRecord> records;
};

std::string joined(const std::vector<std::string>& values, const std::vector<std::size_t>& fields) {
  std::string text;
  for (const std::size_t field : fields) text += (field == fields.front() ? "" : ",") + values[field];
  return text;
}

// A field holds one of `texts` or, without texts, a number below `range`
// written in one of several ways that all read as it.
struct FieldKind {
  unsigned range;
  std::vector<std::string> texts;
};

GeneratedRelation generateRelation(std::mt19937& random, std::string header, const std::vector<FieldKind>& fields,
                                   int recordCount) {
  static const std::vector<std::string> prefixes = {"", "0", "00", " ", "+", " +0", "+00"};
  GeneratedRelation relation{std::move(header), {}};
  for (int count = 0; count < recordCount; ++count) {
    GeneratedRecord record;
    for (const FieldKind& field : fields) {
      if (field.texts.empty()) {
        record.key.push_back(std::to_string(random() % field.range));
        record.values.push_back(prefixes[random() % prefixes.size()] + record.key.back());
      } else {
        record.key.push_back(field.texts[random() % field.texts.size()]);
        record.values.push_back(record.key.back());
      }
    }
    relation.records.push_back(std::move(record));
  }
  return relation;
}

std::string textOf(const GeneratedRecord& record) {
  std::vector<std::size_t> all(record.values.size());
  for (std::size_t field = 0; field < all.size(); ++field) all[field] = field;
  return joined(record.values, all);
}

std::string inputOf(const std::vector<GeneratedRelation>& relations) {
  std::string input = "q\n";
  for (const GeneratedRelation& relation : relations) {
    input += "\n" + relation.header + "\n";
    for (const GeneratedRecord& record : relation.records) input += textOf(record) + "\n";
  }
  return input;
}

// What minus keeps, one text per line: the first's records, in order, whose
// key over the fields both have is not among the second's.
std::string expectedMinus(const GeneratedRelation& first, const GeneratedRelation& second) {
  if (first.records.empty()) return "";
  std::size_t shared = first.records[0].key.size();
  if (!second.records.empty()) shared = std::min(shared, second.records[0].key.size());
  auto keyOf = [&](const GeneratedRecord& record) {
    return std::vector<std::string>(record.key.begin(), record.key.begin() + static_cast<std::ptrdiff_t>(shared));
  };
  std::set<std::vector<std::string>> removed;
  for (const GeneratedRecord& record : second.records) removed.insert(keyOf(record));
  std::string kept;
  for (const GeneratedRecord& record : first.records) {
    if (removed.count(keyOf(record)) == 0) kept += textOf(record) + "\n";
  }
  return kept;
}

class ManyRecords : public ::testing::TestWithParam<bool> {
 protected:
  // The relations of the input, records in the file or in memory.
  RelationList load(const std::string& input) {
    return test::loadRelations(folder.write("input.txt", input), GetParam());
  }

  test::TempFolder folder;
};

INSTANTIATE_TEST_SUITE_P(RecordsInFileOrMemory, ManyRecords, ::testing::Bool());

std::string recordsOrFailure(std::string_view query, const RelationList& relations) {
  try {
    const auto result = test::evaluateQuery(query, relations);
    return result ? test::recordsOf(*result) : "null";
  } catch (const FatalError& error) {
    return std::string("fatal: ") + error.what();
  }
}

TEST_P(ManyRecords, MinusMatchesRecordsByValueAcrossBatches) {
  std::mt19937 random(31);
  const FieldKind ab{0, {"a", "b"}};
  const GeneratedRelation f = generateRelation(random, "F(x int, s string, z int)", {{12, {}}, ab, {3, {}}}, 300);
  const GeneratedRelation g = generateRelation(random, "G(y int, t string, w int)", {{16, {}}, ab, {3, {}}}, 250);
  const GeneratedRelation k = generateRelation(random, "K(x int, s string)", {{16, {}}, ab}, 200);
  const GeneratedRelation h = generateRelation(random, "H(y int, t string)", {{12, {}}, {0, {"c", "A"}}}, 200);
  const GeneratedRelation e{"E(y int, t string, w int)", {}};
  const RelationList relations = load(inputOf({f, g, k, h, e}));
  const std::string allOfF = expectedMinus(f, e);
  // Each way round, some records go and some stay.
  for (const auto& [kept, all] :
       {std::pair(expectedMinus(f, g), allOfF), std::pair(expectedMinus(g, f), expectedMinus(g, e)),
        std::pair(expectedMinus(k, f), expectedMinus(k, e))}) {
    ASSERT_FALSE(kept.empty());
    ASSERT_LT(kept.size(), all.size());
  }

  EXPECT_TRUE(recordsOrFailure("minus(F,G)", relations) == expectedMinus(f, g));
  EXPECT_TRUE(recordsOrFailure("minus(G,F)", relations) == expectedMinus(g, f));
  EXPECT_EQ(recordsOrFailure("minus(F,F)", relations), "");
  EXPECT_TRUE(recordsOrFailure("minus(F,E)", relations) == allOfF);
  EXPECT_EQ(recordsOrFailure("minus(E,F)", relations), "");
  // The second with more attributes: only the first's count of them is compared.
  EXPECT_TRUE(recordsOrFailure("minus(K,F)", relations) == expectedMinus(k, f));
  // One operand in memory as a select result, the other as loaded.
  EXPECT_TRUE(recordsOrFailure("minus(F,select(G,GTE(w,0)))", relations) == expectedMinus(f, g));
  EXPECT_TRUE(recordsOrFailure("minus(select(F,GTE(z,0)),G)", relations) == expectedMinus(f, g));
  // The second with fewer attributes and no match.
  EXPECT_TRUE(recordsOrFailure("minus(F,H)", relations) == allOfF);
}

TEST_P(ManyRecords, MinusWithFewerAttributesInTheSecondFailsOnlyOnAMatch) {
  std::mt19937 random(32);
  GeneratedRelation f =
      generateRelation(random, "F(x int, s string, z int)", {{50, {}}, {0, {"a", "b"}}, {50, {}}}, 300);
  GeneratedRelation h = generateRelation(random, "H(y int, t string)", {{50, {}}, {0, {"c", "d"}}}, 100);
  const GeneratedRelation e{"E(x int, s string, z int)", {}};
  // Only the last record of F, in the last batch, matches one of H, in its middle.
  f.records.back() = {{"0050", "b", "1"}, {"50", "b", "1"}};
  h.records[50] = {{" 50", "b"}, {"50", "b"}};
  const RelationList relations = load(inputOf({f, h, e}));
  EXPECT_EQ(recordsOrFailure("minus(F,H)", relations), "fatal: Record::getValue (int fieldno ): nagy fieldno!");
  EXPECT_EQ(recordsOrFailure("minus(E,H)", relations), "");
  // Without that record, nothing matches.
  const std::string allOfF = expectedMinus(f, e);
  const std::string allButLast = allOfF.substr(0, allOfF.size() - textOf(f.records.back()).size() - 1);
  EXPECT_TRUE(recordsOrFailure("minus(select(F,LT(x,50)),H)", relations) == allButLast);
}

// What project keeps: of records equal under the projection, the last one's
// text, in ascending order of their key.
template <class KeyOf>
std::string expectedProjection(const GeneratedRelation& input, KeyOf keyOf, const std::vector<std::size_t>& fields) {
  std::map<decltype(keyOf(input.records[0].key)), std::string> last;
  for (const GeneratedRecord& record : input.records) last[keyOf(record.key)] = joined(record.values, fields);
  std::string kept;
  for (const auto& [key, text] : last) kept += text + "\n";
  return kept;
}

TEST_P(ManyRecords, ProjectKeepsTheLastTextOfEqualRecordsInOrder) {
  std::mt19937 random(33);
  // 37 numbers, so that equal ones lie in different batches as well as in one.
  const GeneratedRelation r = generateRelation(random, "R(k int, v string, n int, w string)",
                                               {{37, {}}, {0, {"c", "b", "\x80"}}, {5, {}}, {0, {"q"}}}, 410);
  const RelationList relations = load(inputOf({r}));
  using Key = std::vector<std::string>;
  auto number = [](const Key& key, std::size_t field) { return std::stoi(key[field]); };

  const std::string byK = expectedProjection(r, [&](const Key& key) { return number(key, 0); }, {0});
  EXPECT_TRUE(recordsOrFailure("project(R,k)", relations) == byK);
  EXPECT_TRUE(recordsOrFailure("project(R,k,k, k)", relations) == byK);
  const std::string byKV =
      expectedProjection(r, [&](const Key& key) { return std::pair(number(key, 0), key[1]); }, {0, 1});
  EXPECT_TRUE(recordsOrFailure("project(R,k,v)", relations) == byKV);
  EXPECT_TRUE(recordsOrFailure("project(R,v,k)", relations) == byKV);
  const std::string byVN =
      expectedProjection(r, [&](const Key& key) { return std::pair(key[1], number(key, 2)); }, {1, 2});
  EXPECT_TRUE(recordsOrFailure("project(R,n,v,n)", relations) == byVN);
  const std::string byNW = expectedProjection(r, [&](const Key& key) { return number(key, 2); }, {2, 3});
  EXPECT_TRUE(recordsOrFailure("project(R,w,n)", relations) == byNW);
  EXPECT_EQ(queryOutcome("project(R,w,n)", relations).substr(0, 17), "(n int, w string)");
}

TEST_P(ManyRecords, ProjectOfMostlyDistinctRecordsKeepsTheLastTextOfEqualOnes) {
  // Far more distinct keys than fit the index before project stops hashing
  // and sorts runs of them instead; equal keys, written differently, lie on
  // both sides of that point and in several runs.
  std::mt19937 random(34);
  const GeneratedRelation r = generateRelation(random, "R(k int, v string)", {{600000, {}}, {0, {"a", "b"}}}, 150000);
  const RelationList relations = load(inputOf({r}));
  using Key = std::vector<std::string>;
  const std::string byK = expectedProjection(r, [](const Key& key) { return std::stoi(key[0]); }, {0});
  EXPECT_TRUE(recordsOrFailure("project(R,k)", relations) == byK);
  // The merged runs count themselves and serve operators over them.
  const auto projected = test::evaluateQuery("project(R,k)", relations);
  ASSERT_NE(projected, nullptr);
  EXPECT_EQ(projected->getRecordCount(), static_cast<std::size_t>(std::count(byK.begin(), byK.end(), '\n')));
  EXPECT_TRUE(recordsOrFailure("union(project(R,k),project(R,k))", relations) == byK);
  EXPECT_EQ(recordsOrFailure("minus(project(R,k),project(R,k))", relations), "");
  const std::string byVK =
      expectedProjection(r, [](const Key& key) { return std::pair(std::stoi(key[0]), key[1]); }, {0, 1});
  EXPECT_TRUE(recordsOrFailure("project(R,v,k)", relations) == byVK);
  EXPECT_TRUE(recordsOrFailure("project(select(R,NEQ(v,c)),v,k)", relations) == byVK);
}

// Text alone orders by its bytes, unsigned, a prefix first: so it does in
// the runs that project sorts and merges when most projections are distinct.
TEST_P(ManyRecords, ProjectOfManyDistinctTextsSortsTheirBytes) {
  std::mt19937 random(35);
  const std::string letters = "aAb~ \x7f\x80\xe9";
  std::set<std::string> texts;
  std::string input = "q\n\nR(k int, t string)\n";
  for (int count = 0; count < 200000; ++count) {
    std::string text(5 + random() % 7, 'a');
    for (char& letter : text) letter = letters[random() % letters.size()];
    texts.insert(text);
    input += std::to_string(count) + "," + text + "\n";
  }
  ASSERT_GT(texts.size(), 150000U);
  std::string expected;
  for (const std::string& text : texts) expected += text + "\n";
  const RelationList relations = load(input);
  EXPECT_TRUE(recordsOrFailure("project(R,t)", relations) == expected);
}

// A large relation in the file is brought to memory, sorted, joined or
// looked up in two halves at once: the result is that of the relation loaded into
// memory, and a file changed meanwhile is still noticed.
TEST(LargeRelationInTheFile, IsReadInHalvesAsIfItWereInMemory) {
  std::mt19937 random(36);
  const FieldKind ab{0, {"a", "b", "c"}};
  const GeneratedRelation r = generateRelation(random, "R(x int, s string)", {{300, {}}, ab}, 500);
  const GeneratedRelation s = generateRelation(random, "S(y int, t string)", {{20000, {}}, ab}, 140000);
  const GeneratedRelation p = generateRelation(random, "P(x int)", {{20000, {}}}, 3);
  test::TempFolder folder;
  const std::string input = inputOf({r, s, p});
  const RelationList inFile = test::loadRelations(folder.write("input.txt", input), false);
  const RelationList inMemory = test::loadThroughPipe(folder, input);
  for (const char* query : {"union(R,S)", "union(S,R)", "project(union(S,S),t,y)", "minus(R,S)", "minus(S,R)",
                            "minus(S,S)", "select(product(S,R),AND(EQ(y,x),NEQ(t,s)))", "select(product(S,P),LT(y,x))",
                            "select(product(S,P),AND(LT(y,40),EQ(x,x)))", "select(product(S,R),EQ(y,s))"}) {
    EXPECT_TRUE(recordsOrFailure(query, inFile) == recordsOrFailure(query, inMemory)) << query;
  }
  // A match with a record of fewer fields ends the run, in whichever half it lies.
  EXPECT_EQ(recordsOrFailure("minus(S,P)", inFile), "fatal: Record::getValue (int fieldno ): nagy fieldno!");
  EXPECT_EQ(recordsOrFailure("minus(S,P)", inMemory), recordsOrFailure("minus(S,P)", inFile));
  folder.write("input.txt", "changed");
  EXPECT_NE(recordsOrFailure("union(R,S)", inFile).find("megvaltozott"), std::string::npos);
}

// A first operand in the file that is in order is merged with the second as
// it is read, a large one in two halves at once. Equal records on both sides
// of the halves' border, and equal ones written differently, come out as in
// one pass; a first operand out of order in either half is sorted first.
TEST(LargeRelationInTheFile, InOrderIsMergedInHalvesAsInOnePass) {
  std::mt19937 random(37);
  auto valueOf = [](int k) { return std::string(k % 3 == 0 ? "a" : "b"); };
  // Each k twice, k = (i + shift) / 2: a shift of 1 puts a pair on both sides of record 65,536.
  auto ordered = [&](const std::string& name, int shift, int outOfOrderAt) {
    std::string text = "\n" + name + "(k int, s string)\n";
    for (int i = 0; i < 140000; ++i) {
      const int k = i == outOfOrderAt ? 5 : (i + shift) / 2;
      text += (random() % 4 == 0 ? "0" : "") + std::to_string(k) + "," + valueOf(k) + "\n";
    }
    return text;
  };
  std::vector<std::string> second;
  for (int k = 32760; k < 32776; ++k) {
    for (int copy = 1 + static_cast<int>(random() % 3); copy > 0; --copy)
      second.push_back(std::to_string(k) + "," + valueOf(k));
  }
  for (int count = 0; count < 5000; ++count) {
    const int k = static_cast<int>(random() % 72000);
    second.push_back(std::to_string(k) + "," + (random() % 5 == 0 ? "c" : valueOf(k)));
  }
  std::shuffle(second.begin(), second.end(), random);
  std::string input = "q\n" + ordered("A", 0, -1) + ordered("T", 1, -1) + ordered("U", 0, 100000) +
                      ordered("V", 1, 20000) + "\nB(k int, s string)\n";
  for (const std::string& record : second) input += record + "\n";

  test::TempFolder folder;
  const RelationList inFile = test::loadRelations(folder.write("input.txt", input), false);
  const RelationList inMemory = test::loadThroughPipe(folder, input);
  ASSERT_EQ(inFile.size(), 5U);
  for (const char* query : {"union(A,B)", "union(T,B)", "union(U,B)", "union(V,B)", "union(T,T)", "union(B,T)"}) {
    EXPECT_TRUE(recordsOrFailure(query, inFile) == recordsOrFailure(query, inMemory)) << query;
  }
}

// A select over an input in the file copies what passes while it reads, and
// past the first MiB gives that up for a bitmap once the copies exceed a
// quarter of what it read. Either way the result is the one over the input
// held in memory.
struct LargeSelect {
  const char* condition;
  std::size_t passing;
  bool copied;  // whether the copies were kept to the end
};

void PrintTo(const LargeSelect& select, std::ostream* out) { *out << select.condition; }

class SelectOverALargeFile : public ::testing::TestWithParam<LargeSelect> {
 protected:
  static void SetUpTestSuite() {
    folder = std::make_unique<test::TempFolder>();
    std::string input = "q\n\nL(k int, s string, t string)\n";
    char line[64];
    for (int k = 0; k < recordCount; ++k) {
      const std::string filler = std::to_string(k * 7919 % 1000003);
      std::snprintf(line, sizeof line, "%05d,s%03d,t%s%s\n", k, k % 1000, std::string(27 - filler.size(), 'x').c_str(),
                    filler.c_str());
      input += line;
    }
    path = folder->write("input.txt", input);
  }
  static void TearDownTestSuite() { folder.reset(); }

  static constexpr int recordCount = 40000;  // 41 bytes each
  static inline std::unique_ptr<test::TempFolder> folder;
  static inline std::filesystem::path path;
};

TEST_P(SelectOverALargeFile, GivesWhatTheSelectOverTheRelationInMemoryGives) {
  const LargeSelect& select = GetParam();
  const std::string query = std::string("select(L,") + select.condition + ")";
  RelationList inFile = test::loadRelations(path, false);
  ASSERT_GT(std::filesystem::file_size(path), std::size_t{3} << 19);
  ASSERT_FALSE(inFile[0]->isInMemory());
  const auto result = test::evaluateQuery(query, inFile);
  ASSERT_NE(result, nullptr);
  // The case takes the path it is meant to.
  EXPECT_EQ(result->isInMemory(), select.copied);
  EXPECT_EQ(result->getRecordCount(), select.passing);

  const std::string expected = queryOutcome(query, test::loadRelations(path, true));
  inFile.clear();  // the result outlives its input
  EXPECT_TRUE(printed(*result) == expected);
  EXPECT_EQ(queryOutcome("select(" + query + ",NEQ(s,s001))", test::loadRelations(path, false)),
            queryOutcome("select(" + query + ",NEQ(s,s001))", test::loadRelations(path, true)));
}

INSTANTIATE_TEST_SUITE_P(Conditions, SelectOverALargeFile,
                         ::testing::Values(LargeSelect{"OR(EQ(k,17),EQ(s,s999))", 41, true},  // very few pass
                                           LargeSelect{"LT(k,0)", 0, true},                   // none
                                           LargeSelect{"NEQ(t,x)", 40000, false},             // all
                                           // Few at the start, many later: given up at the first MiB.
                                           LargeSelect{"OR(LT(k,100),GT(k,10000))", 100 + 29999, false},
                                           // None in the first MiB, then so many that it is given up near the end.
                                           LargeSelect{"GT(k,26000)", 13999, false}));

}  // namespace
}  // namespace qerix
