#include "tools/tree_notation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "algebra/dummy_operator.h"
#include "model/fatal_error.h"
#include "plan/planner.h"
#include "query/query_parser.h"
#include "support/builders.h"
#include "support/tree_dump.h"

namespace qerix {
namespace {

const RelationList& schema() {
  static const RelationList relations = test::relationList(
      test::makeRelation("R(a int, b string, c int)", {"1,x,3", "2,IT,3", "-3,a b,1", "2,x,7"}),
      test::makeRelation("S(c int, d string)", {"3,x", "1,IT", "7,z"}),
      test::makeRelation("T(b string)", {"x", "IT", "q"}));
  return relations;
}

// Prefix queries over the schema, nested a few levels, with the odd program.
class QueryGenerator {
 public:
  explicit QueryGenerator(unsigned seed) : random(seed) {}

  std::string query() {
    if (pick(4) > 0) return expression(3);
    std::string program = "X <- " + expression(2) + "\nY := " + expression(2) + "; ";
    return program + expression(2);
  }

 private:
  std::size_t pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random); }

  template <class List>
  auto pickFrom(const List& list) {
    return list[pick(list.size())];
  }

  std::string expression(int depth) {
    static const std::vector<std::string> tables = {"R", "S", "T", "X", "Y"};
    static const std::vector<std::string> binary = {"union",    "minus",    "product", "intersect",
                                                    "semijoin", "antijoin", "divide",  "join"};
    if (depth == 0 || pick(5) == 0) return pickFrom(tables);
    switch (pick(6)) {
      case 0:
        return "select(" + expression(depth - 1) + "," + condition(2) + ")";
      case 1:
        return "project(" + expression(depth - 1) + "," + pickFrom(attributes) + (pick(2) ? ",c" : "") + ")";
      case 2:
        return "rename(" + expression(depth - 1) + ",N(" + pickFrom(attributes) + ",e))";
      case 3: {
        const std::string keyword = pickFrom(binary);
        const bool withCondition = (keyword == "join" || keyword == "semijoin" || keyword == "antijoin") && pick(2);
        return keyword + "(" + expression(depth - 1) + "," + expression(depth - 1) +
               (withCondition ? "," + condition(1) : "") + ")";
      }
      default: {
        const std::string keyword = pickFrom(binary);
        return keyword + "(" + expression(depth - 1) + "," + pickFrom(tables) + ")";
      }
    }
  }

  std::string condition(int depth) {
    static const std::vector<std::string> comparisons = {"EQ", "NEQ", "LT", "LTE", "GT", "GTE"};
    static const std::vector<std::string> literals = {"1", "3", "-3", "2.5", "x", "IT", "a b", "q"};
    if (depth == 0 || pick(3) == 0) {
      const std::string second = pick(2) ? pickFrom(attributes) : pickFrom(literals);
      return pickFrom(comparisons) + "(" + pickFrom(attributes) + "," + second + ")";
    }
    switch (pick(3)) {
      case 0:
        return "AND(" + condition(depth - 1) + "," + condition(depth - 1) + ")";
      case 1:
        return "OR(" + condition(depth - 1) + "," + condition(depth - 1) + ")";
      default:
        return "NOT(" + condition(depth - 1) + ")";
    }
  }

  const std::vector<std::string> attributes = {"a", "b", "c", "d", "e"};
  std::mt19937 random;
};

struct ReadQuery {
  std::string tree;     // the dump of the tree, "" when the text was refused
  std::string outcome;  // the printed result, "null" or the message
  std::string prefix;
};

ReadQuery readQuery(std::string_view text) {
  ReadQuery read;
  AlgebraTree tree(std::make_unique<DummyOperator>());
  try {
    parseQuery(tree, text, schema(), QueryLanguage::extended);
  } catch (const FatalError& error) {
    read.outcome = std::string("parse: ") + error.what();
    return read;
  }
  read.tree = test::dumpTree(*tree.getRoot().left);
  read.prefix = writeInNotation(tree, Notation::prefix, schema());
  Planner::plan(tree);
  try {
    EvaluateVisitor evaluator;
    tree.walkPostOrder(evaluator);
    const Relation* result = tree.getRoot().payload->getResult();
    read.outcome = result ? test::printed(*result) : "null";
  } catch (const FatalError& error) {
    read.outcome = error.what();
  }
  return read;
}

// The textbook text of a prefix query, "" where the notation cannot hold it.
std::string textbookOf(std::string_view prefix) {
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseQuery(tree, prefix, schema(), QueryLanguage::extended);
  try {
    return writeInNotation(tree, Notation::textbook, schema());
  } catch (const FatalError&) {
    return "";
  }
}

bool refusesAName(std::string_view outcome) {
  for (const std::string_view check : {"nincs ilyen relacio", "nincs ilyen attributum", "tobb attributum neve is ez"}) {
    if (outcome.find(check) != std::string_view::npos) return true;
  }
  return false;
}

// Prefix, to textbook, to prefix: the same tree, the same prefix text, the
// same result or message.
TEST(NotationRoundTrip, GeneratedQueriesKeepTheirTreeAndResult) {
  QueryGenerator generator(2026);
  int skipped = 0;
  int refused = 0;
  for (int count = 0; count < 1000; ++count) {
    const std::string query = generator.query();
    const ReadQuery original = readQuery(query);
    ASSERT_FALSE(original.tree.empty()) << query << "\n" << original.outcome;
    // The prefix printer writes a text that reads into the same tree.
    const ReadQuery reprinted = readQuery(original.prefix);
    EXPECT_EQ(reprinted.tree, original.tree) << query;
    const std::string textbook = textbookOf(query);
    if (textbook.empty()) {
      ++skipped;
      continue;
    }
    const ReadQuery back = readQuery(textbook);
    // The textbook notation refuses a name the data lacks, where the prefix
    // notation reads no result or a literal: no prefix query stands for it.
    if (refusesAName(back.outcome)) {
      ++refused;
      continue;
    }
    EXPECT_EQ(back.tree, original.tree) << query << "\n" << textbook;
    EXPECT_EQ(back.prefix, original.prefix) << textbook;
    EXPECT_EQ(back.outcome, original.outcome) << query << "\n" << textbook;
  }
  // Every name and literal of the generator fits the notation, and a good
  // share of queries name only what the data holds (in conditions and
  // project lists alike).
  EXPECT_EQ(skipped, 0);
  EXPECT_LT(refused, 750);
}

std::string converted(std::string_view query, Notation notation) {
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseQuery(tree, query, schema(), QueryLanguage::extended);
  try {
    return writeInNotation(tree, notation, schema());
  } catch (const FatalError& error) {
    return error.what();
  }
}

TEST(NotationPrinter, WritesEachNotationWithTheTablesFirstSpellings) {
  const std::string query =
      "X <- select(R,AND(GT(a,1),OR(EQ(b,IT),NOT(EQ(c,d)))))\n"
      "minus(project(X,b),union(T,join(rename(S,N(b,c)),T,EQ(b,x))))";
  EXPECT_EQ(converted(query, Notation::prefix), query);
  EXPECT_EQ(converted(query, Notation::textbook),
            "X ← σ_{a > 1 ∧ (b = 'IT' ∨ ¬ c = d)}(R)\n"
            "π_{b}(X) − (T ∪ ρ_{N(b,c)}(S) ⋈_{b = 'x'} T)");
  EXPECT_EQ(converted(query, Notation::latex),
            "X \\leftarrow \\sigma_{a > 1 \\land (b = \\text{'IT'} \\lor \\lnot c = d)}(R)\n"
            "\\pi_{b}(X) \\setminus (T \\cup \\rho_{N(b,c)}(S) \\bowtie_{b = \\text{'x'}} T)");
}

TEST(NotationPrinter, RefusesWhatTheTextbookNotationCannotHold) {
  EXPECT_EQ(converted("select(R,EQ(b,O'Brien))", Notation::textbook),
            "A lekerdezes nem irhato le a tankonyvi jelolessel, ez a szoveg nem allhat idezojelek kozott: "
            "\"O'Brien\"");
  EXPECT_EQ(converted("project(R,sigma)", Notation::textbook),
            "A lekerdezes nem irhato le a tankonyvi jelolessel, nem nev: \"sigma\"");
  EXPECT_EQ(converted("project(R,my attribute)", Notation::textbook),
            "A lekerdezes nem irhato le a tankonyvi jelolessel, nem nev: \"my attribute\"");
  EXPECT_EQ(converted("project(R,)", Notation::textbook),
            "A lekerdezes nem irhato le a tankonyvi jelolessel, nem nev: \"\"");
  EXPECT_EQ(converted("project(R,)", Notation::prefix), "project(R,)");
  EXPECT_EQ(converted("project(R,my attribute)", Notation::latex), "\\pi_{my\\ attribute}(R)");
  EXPECT_EQ(converted("select(R,EQ(b,50% & more_))", Notation::latex),
            "\\sigma_{b = \\text{'50\\% \\& more\\_'}}(R)");
}

}  // namespace
}  // namespace qerix
