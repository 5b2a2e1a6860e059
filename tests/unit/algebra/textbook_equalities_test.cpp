// The textbook operators are defined by equalities with the basic ones:
// intersect(A,B) is minus(A,minus(A,B)), join(A,B,C) is
// select(product(A,B),C), antijoin(...) is minus(A,semijoin(...)), and
// divide(A,D) the classic minus of the quotients that lack a divisor record. On random
// inputs both sides must give the same bytes on every channel, from a run
// of qerix -x, planned and plain.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "driver/run.h"
#include "support/builders.h"

namespace qerix {
namespace {

class TextbookEqualities : public ::testing::Test {
 protected:
  // The run of qerix -x, its output file without the echo of the input,
  // which holds the query that differs between the two sides.
  test::RunOutcome runQuery(const std::string& query, const std::string& relations, const RunSettings& settings) {
    const std::string input = query + "\n\n" + relations;
    test::RunOutcome outcome = test::runOnInput(folder, input, {"-x"}, settings);
    const std::string& output = outcome.output;
    outcome.output = output.starts_with(input) ? output.substr(input.size()) : "(not the echo) " + output;
    return outcome;
  }

  void expectSame(const std::string& left, const std::string& right, const std::string& relations) {
    for (const RunSettings settings : {RunSettings{}, RunSettings{.rewrites = false, .parallel = false}}) {
      const test::RunOutcome one = runQuery(left, relations, settings);
      const test::RunOutcome other = runQuery(right, relations, settings);
      const std::string label = left + " against " + right + (settings.rewrites ? "" : " (plain)");
      EXPECT_EQ(one.status, other.status) << label;
      EXPECT_EQ(one.errors, other.errors) << label;
      EXPECT_EQ(one.console, other.console) << label;
      EXPECT_EQ(one.output, other.output) << label;
      ++compared;
      if (one.status == 0) ++completed;
    }
  }

  test::TempFolder folder;
  int compared = 0;
  int completed = 0;
};

// A relation of random records: "int" fields written in several ways that
// read as one number (07 and 7), short texts, duplicates.
std::string randomRelation(std::mt19937& random, const std::string& header, const std::vector<bool>& numeric,
                           int maxRecords) {
  static const char* prefixes[] = {"", "0", "+", " "};
  std::string text = header + "\n";
  const int count = static_cast<int>(random() % static_cast<unsigned>(maxRecords + 1));
  for (int record = 0; record < count; ++record) {
    for (std::size_t field = 0; field < numeric.size(); ++field) {
      if (field > 0) text += ',';
      if (numeric[field]) {
        text += std::string(prefixes[random() % 4]) + std::to_string(random() % 4);
      } else {
        text += static_cast<char>('a' + random() % 3);
      }
    }
    text += "\n";
  }
  return text;
}

TEST_F(TextbookEqualities, HoldOnRandomInputs) {
  std::mt19937 random(15);
  const char* conditions[] = {"EQ(a,c)", "AND(EQ(b,d),GT(a,1))", "OR(LT(a,c),EQ(b,x))", "NOT(EQ(a,1))", "EQ(a,b)",
                              "NEQ(b,d)"};
  for (int round = 0; round < 12; ++round) {
    // A and B share b (B's b may be text or a number); N is narrower than A;
    // W is wider.
    const bool bNumeric = random() % 4 == 0;
    const std::string relations =
        randomRelation(random, "A(a int, b string)", {true, false}, 6) + "\n" +
        randomRelation(random, "B(c int, d string)", {true, false}, 6) + "\n" +
        randomRelation(random, std::string("C(b ") + (bNumeric ? "int" : "string") + ", c int)", {bNumeric, true}, 5) +
        "\n" + randomRelation(random, "N(a int)", {true}, 3) + "\n" +
        randomRelation(random, "W(a int, b string, e int)", {true, false, true}, 5);
    for (const char* second : {"A", "B", "N", "W", "select(A,GT(a,1))"}) {
      const std::string pair = std::string("A,") + second;
      expectSame("intersect(" + pair + ")", "minus(A,minus(" + pair + "))", relations);
    }
    const char* condition = conditions[round % 6];
    for (const char* second : {"B", "C", "A"}) {
      const std::string pair = std::string("A,") + second;
      expectSame("join(" + pair + "," + condition + ")", "select(product(" + pair + ")," + condition + ")", relations);
      expectSame("antijoin(" + pair + ")", "minus(A,semijoin(" + pair + "))", relations);
      expectSame("antijoin(" + pair + "," + condition + ")", "minus(A,semijoin(" + pair + "," + condition + "))",
                 relations);
    }
  }
  // Both sides ended alike, and most runs completed.
  EXPECT_GT(completed, compared / 2);
}

// divide(A,D), with D's attributes last in A and in A's order, is
// minus(project(A,Q),project(minus(product(project(A,Q),D),A),Q)).
std::string classicDivision(const std::string& dividend, const std::string& quotient, const std::string& divisor) {
  const std::string quotients = "project(" + dividend + "," + quotient + ")";
  return "minus(" + quotients + ",project(minus(product(" + quotients + "," + divisor + ")," + dividend + ")," +
         quotient + "))";
}

TEST_F(TextbookEqualities, DivisionIsTheClassicFormula) {
  std::mt19937 random(16);
  for (int round = 0; round < 8; ++round) {
    // Many records of few quotients; a divisor of up to 80 texts, more than
    // fit one bit each in a word.
    const int texts = round % 2 == 0 ? 5 : 80;
    std::string relations = "A(a int, b string)\n";
    std::vector<std::string> records;
    for (int record = 0; record < 60 + texts * 4; ++record) {
      const int quotient = static_cast<int>(random() % 6);
      records.push_back((random() % 3 == 0 ? "0" : "") + std::to_string(quotient) + ",t" +
                        std::to_string(random() % static_cast<unsigned>(texts)));
    }
    if (round % 4 < 2) std::sort(records.begin(), records.end());  // in quotient order, mostly
    for (const std::string& record : records) relations += record + "\n";
    for (const char* divisor : {"project(A,b)", "project(select(A,EQ(a,1)),b)", "project(select(A,EQ(a,9)),b)"}) {
      expectSame(std::string("divide(A,") + divisor + ")", classicDivision("A", "a", divisor), relations);
    }
  }
}

}  // namespace
}  // namespace qerix
