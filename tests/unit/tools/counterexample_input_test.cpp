#include "tools/counterexample_input.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "exec/pieces/record_pieces.h"
#include "support/builders.h"

namespace qerix {
namespace {

constexpr QueryLanguage basic = QueryLanguage::basic;
constexpr QueryLanguage extended = QueryLanguage::extended;

// Everything of the relations that a query can see: names, attributes with
// their types, kinds and origins, and the record texts.
std::string contentOf(const RelationList& relations) {
  std::string content;
  for (const auto& relation : relations) {
    const AttributeList& attributes = relation->getAttributes();
    content += "[" + relation->getName() + "]";
    for (int position = 1; position <= attributes.getAttributeCount(); ++position) {
      content += " " + std::string(attributes.getAttributeName(position)) + ":" +
                 std::string(attributes.getAttributeType(position)) + ":" +
                 std::to_string(static_cast<int>(attributes.getKind(position)));
    }
    for (const std::string& name : attributes.getQualifiedNames()) content += " " + name;
    content += "\n" + test::recordsOf(*relation);
  }
  return content;
}

// The counterexample of the whole relations, both outcomes as qerix gives them.
Counterexample exampleOf(RelationList relations, std::string_view model, std::string_view answer,
                         QueryLanguage language) {
  Counterexample example;
  example.model = evaluateQuery(model, relations, language);
  example.answer = evaluateQuery(answer, relations, language);
  example.relations = std::move(relations);
  return example;
}

// Writes the file, reads it back with the loader as qerix does, and checks
// that it holds the answer and the same relations, on which both queries
// give the example's outcomes.
void expectRoundTrip(std::string_view model, std::string_view answer, const Counterexample& example,
                     QueryLanguage language) {
  const CounterexampleInput input = counterexampleInput(answer, example, language);
  ASSERT_TRUE(input.isWritten()) << input.problem;
  const test::TempFolder folder;
  test::LoadedFile loaded = test::loadFile(folder.write("input.txt", input.text), language);
  for (const auto& relation : loaded.relations) materialize(*relation);
  EXPECT_EQ(loaded.query, answer);
  EXPECT_EQ(contentOf(loaded.relations), contentOf(example.relations)) << input.text;
  for (const auto& [query, expected] : {std::pair{model, &example.model}, std::pair{answer, &example.answer}}) {
    const QueryOutcome outcome = evaluateQuery(query, loaded.relations, language);
    EXPECT_EQ(outcome.failed, expected->failed);
    EXPECT_EQ(outcome.message, expected->message);
    EXPECT_EQ(outcome.header, expected->header);
    EXPECT_EQ(outcome.records, expected->records) << query;
  }
}

TEST(CounterexampleInput, WritesTheFileThatReadsBackIntoTheSameRelations) {
  // An empty record of one attribute, blanks alone, a carriage return at
  // the end: each would read otherwise as it stands on a line.
  RelationList relations = test::relationList(
      test::makeRelation("One(v string)", {"", "  ", "x\r", "\\N", "a\rb"}),
      test::makeRelation("Emp (name string, note long text, age int)", {"Anna", ",x", "   ", "Bela,,07", "Cili,\r"}),
      test::makeRelation("Empty(a int)", {}));
  const Counterexample example = exampleOf(std::move(relations), "project(One,v)", "One", basic);
  EXPECT_EQ(counterexampleInput("One", example, basic).text,
            "One\n"
            "\nOne(v string)\n,\n  \nx\r,\n\\N\na\rb\n"
            "\nEmp (name string, note long text, age int)\nAnna,,\n,x,\n   ,,\nBela,,07\nCili,\r,\n"
            "\nEmpty(a int)\n");
  expectRoundTrip("project(One,v)", "One", example, basic);
}

TEST(CounterexampleInput, WritesNullsAndEscapesWithTheExtendedLanguage) {
  auto relation = test::makeRelation("N(a string, b decimal)", {});
  relation->readDecimalTypes();
  relation->appendNewRecord("\n,1.5");
  relation->appendNewRecord("\\N,\n");
  relation->appendNewRecord("\\\\N,2");
  const Counterexample example =
      exampleOf(test::relationList(std::move(relation)), "N", "select(N,GT(b,1))", extended);
  EXPECT_EQ(counterexampleInput("select(N,GT(b,1))", example, extended).text,
            "select(N,GT(b,1))\n\nN(a string, b decimal)\n\\N,1.5\n\\\\N,\\N\n\\\\\\N,2\n");
  expectRoundTrip("N", "select(N,GT(b,1))", example, extended);

  // Without -x neither a decimal attribute nor a null can be written.
  EXPECT_FALSE(counterexampleInput("N", example, basic).isWritten());
  auto withNull = test::makeRelation("M(a string)", {"x"});
  withNull->appendNewRecord("\n");
  const Counterexample nullExample = exampleOf(test::relationList(std::move(withNull)), "M", "M", basic);
  EXPECT_EQ(counterexampleInput("M", nullExample, basic).problem,
            "az ellenpelda nem irhato input fajlba: \"\\x0A\" nem olvashato vissza valtozatlanul");
}

TEST(CounterexampleInput, WritesAProgramsLinesAndRefusesWhatWouldReadOtherwise) {
  const std::string program = "T <- select(R,GT(a,1));\nT\r";
  const Counterexample example =
      exampleOf(test::relationList(test::makeRelation("R(a int)", {"1", "2"})), "R", program, extended);
  expectRoundTrip("R", program, example, extended);

  for (const std::string_view answer : {"", "R\nR", "\nR"}) {
    EXPECT_FALSE(counterexampleInput(answer, example, basic).isWritten()) << answer;
  }
  // Names the loader would split otherwise.
  auto named = [&](std::string_view relationName, std::string_view attributeName) {
    Counterexample renamed = exampleOf(test::relationList(test::makeRelation("R(a int)", {"1"})), "R", "R", basic);
    renamed.relations[0]->setName(relationName);
    renamed.relations[0]->setAttributeName(1, attributeName);
    return counterexampleInput("R", renamed, basic);
  };
  EXPECT_TRUE(named("R", "a").isWritten());
  EXPECT_EQ(named("R(x", "a").problem,
            "az ellenpelda nem irhato input fajlba: \"R(x(a int)\" nem olvashato vissza valtozatlanul");
  EXPECT_FALSE(named("R", "a b").isWritten());
  EXPECT_FALSE(named("R", "").isWritten());
}

TEST(CounterexampleInput, QerixRunsTheSearchedCounterexampleToTheAnswersOutcome) {
  RelationList data = test::relationList(test::makeRelation("R(a int, b string)", {}),
                                         test::makeRelation("S(a int)", {}));
  for (int value = 0; value < 300; ++value) {
    data[0]->appendNewRecord(std::to_string(value % 97) + ",v" + std::to_string(value));
    if (value % 7 == 3) data[1]->appendNewRecord(std::to_string(value % 113));
  }
  const test::TempFolder folder;
  // One answer gives other records, the other fails on some.
  for (const std::string_view answer : {"select(R,GT(a,95))", "project(minus(R,S),a)"}) {
    const std::string_view model = answer[0] == 's' ? "select(R,GTE(a,95))" : "minus(project(R,a),S)";
    const auto example = findCounterexample(model, answer, data, basic, Comparison::set, AnswerLimits{});
    ASSERT_TRUE(example && example->minimal) << answer;
    const CounterexampleInput input = counterexampleInput(answer, *example, basic);
    const test::RunOutcome run = test::runOnInput(folder, input.text);
    if (example->answer.failed) {
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.errors, example->answer.message + "\n");
    } else {
      std::string printed = example->answer.header + "\n";
      for (const std::string& record : example->answer.records) printed += record + "\n";
      EXPECT_EQ(run.console, printed);
    }
  }
}

// The arguments of a golden case's run, if it is a plain run of qerix over
// its input.txt: then the language it runs in.
std::optional<QueryLanguage> caseLanguage(const std::filesystem::path& folder) {
  std::ifstream args(folder / "args");
  QueryLanguage language = basic;
  for (std::string line; std::getline(args, line);) {
    if (line == "-x") {
      language = extended;
    } else if (line != "input.txt" && line != "output.txt") {
      return std::nullopt;
    }
  }
  return language;
}

TEST(CounterexampleInput, EveryGoldenCasesDataReadsBackTheSame) {
  int written = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QERIX_CASES_DIR)) {
    const std::filesystem::path input = entry.path() / "input.txt";
    const std::optional<QueryLanguage> language = caseLanguage(entry.path());
    if (!std::filesystem::is_regular_file(input) || !language) continue;
    test::LoadedFile loaded;
    if (test::fatalMessageOf([&] { loaded = test::loadFile(input, *language); }) != "(no fatal error)") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::string query = loaded.query;
    // The model is the first relation as it stands, so that both queries run.
    const std::string model = loaded.relations.empty() ? query : loaded.relations[0]->getName();
    const Counterexample example = exampleOf(std::move(loaded.relations), model, query, *language);
    if (query.empty()) continue;
    expectRoundTrip(model, query, example, *language);
    ++written;
  }
  EXPECT_GT(written, 300);
}

}  // namespace
}  // namespace qerix
