#include "plan/loading_work_rule.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "algebra/dummy_operator.h"
#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "driver/relation_loader.h"
#include "driver/run.h"
#include "plan/planner.h"
#include "query/expression_parser.h"
#include "support/builders.h"

namespace qerix {
namespace {

// The names of the relations that a query's operators watch while loading.
std::string watchedNames(std::string_view query) {
  const RelationList notLoadedYet;
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseExpression(tree, query, notLoadedYet);
  std::string names;
  for (const WatchedRelation& watched : Planner::plan(tree).watchedWhileLoading) names += watched.name + ";";
  return names;
}

TEST(LoadingWatchers, SelectAndProjectDirectlyOverARelationWatchIt) {
  EXPECT_EQ(watchedNames("Emp"), "");
  EXPECT_EQ(watchedNames("select( Emp ,GT(a,1))"), "Emp;");
  EXPECT_EQ(watchedNames("project(Emp,a)"), "Emp;");
  // The project tests the select's condition itself: one watcher, not two.
  EXPECT_EQ(watchedNames("project(select(Emp,GT(a,1)),a)"), "Emp;");
  EXPECT_EQ(watchedNames("select(select(Emp,GT(a,1)),LT(a,5))"), "Emp;");
  EXPECT_EQ(watchedNames("union(select(A,GT(a,1)),minus(project(B,a),A))"), "A;B;");
  EXPECT_EQ(watchedNames("project(rename(select(Emp,GT(a,1)),N(b)),b)"), "Emp;");
  EXPECT_EQ(watchedNames("select(rename(Emp,N(b)),GT(b,1))"), "");
  EXPECT_EQ(watchedNames("select(product(A,B),EQ(a,b))"), "");
}

struct Outcome {
  int status;
  std::string console;
  std::string errors;
  std::string output;
};

// Runs a query over input files in a folder of its own.
class LoadingWhileWatched : public ::testing::Test {
 protected:
  // From a regular file, whose records stay in the file: the watched path.
  Outcome runFromFile(std::string_view input) { return runOn(folder.write("input.txt", input)); }

  // The same text through a FIFO, whose records are held in memory and
  // watched by nothing: the reference. Every input that ends the run fits in
  // the pipe, so the writer never waits for a reader that has stopped.
  Outcome runFromPipe(const std::string& input) {
    const std::filesystem::path pipe = folder.path("pipe");
    std::filesystem::remove(pipe);
    if (mkfifo(pipe.c_str(), 0600) != 0) ADD_FAILURE() << "mkfifo failed";
    std::thread writer([&] { std::ofstream(pipe, std::ios::binary) << input; });
    Outcome outcome = runOn(pipe);
    writer.join();
    return outcome;
  }

  Outcome runOn(const std::filesystem::path& input) {
    std::filesystem::remove(folder.path("output.txt"));
    const std::string arguments[] = {input.string(), folder.path("output.txt").string()};
    const std::string_view views[] = {arguments[0], arguments[1]};
    std::ostringstream console;
    std::ostringstream errors;
    const int status = run(views, console, errors);
    return {status, console.str(), errors.str(), folder.read("output.txt")};
  }

  test::TempFolder folder;
};

// Large texts are compared without printing them.
void expectSameText(const std::string& fromFile, const std::string& fromPipe, std::string_view what,
                    std::string_view label) {
  if (fromFile.size() + fromPipe.size() > 4096) {
    EXPECT_TRUE(fromFile == fromPipe) << what << " differs: " << label;
  } else {
    EXPECT_EQ(fromFile, fromPipe) << what << ": " << label;
  }
}

void expectSameOutcome(const Outcome& fromFile, const Outcome& fromPipe, std::string_view label) {
  EXPECT_EQ(fromFile.status, fromPipe.status) << label;
  expectSameText(fromFile.console, fromPipe.console, "console", label);
  expectSameText(fromFile.errors, fromPipe.errors, "errors", label);
  expectSameText(fromFile.output, fromPipe.output, "output file", label);
}

const std::string emp = "Emp(id int, name string, age int)\n1,Anna,30\n2,Bela,45\n3,Cecil,30\n4,Dora,52\n";
const std::string getValueMessage = "Record::getValue (int fieldno ): nagy fieldno!";
const std::string setValueMessage = "Record::setValue( int fieldno, string value ): nagy fieldno!";
const std::string typeMessage = "Nem azonos a ket attributum tipusa!";

struct WatchedCase {
  std::string input;  // LF line ends only, so that the echo is the input itself
  // The console of a run that succeeds, or "fatal: " and the message.
  std::string expected;
  bool readsEveryLine = true;  // false when loading ends the run
};

// Each input gives the same output file, console, errors and status from a
// regular file as through a pipe, and the outcome written here.
TEST_F(LoadingWhileWatched, GivesWhatEvaluatingTheLoadedRelationGives) {
  const WatchedCase cases[] = {
      // Over a relation, and a project over a select over it.
      {"select(Emp,GT(age,30))\n\n" + emp, "(age int, id int, name string)\n45,2,Bela\n52,4,Dora\n"},
      {"select(Emp,OR(AND(GTE(age,30),NOT(EQ(name,Anna))),LTE(id,1)))\n\n" + emp,
       "(age int, id int, name string)\n30,1,Anna\n45,2,Bela\n30,3,Cecil\n52,4,Dora\n"},
      {"select( Emp ,NEQ(age,30))\n\n" + emp, "(age int, id int, name string)\n45,2,Bela\n52,4,Dora\n"},
      {"project(Emp,age)\n\n" + emp, "(age int)\n30\n45\n52\n"},
      {"project(Emp,name, id,name)\n\n" + emp, "(id int, name string)\n1,Anna\n2,Bela\n3,Cecil\n4,Dora\n"},
      {"project(select(Emp,EQ(age,30)),name)\n\n" + emp, "(name string)\nAnna\nCecil\n"},
      {"project(select(Emp,LT(age,0)),name)\n\n" + emp, "(name string)\n"},
      {"project(select(select(Emp,GT(age,30)),LT(id,4)),name)\n\n" + emp, "(name string)\nBela\n"},
      {"project(project(Emp,age,id),age)\n\n" + emp, "(age int)\n30\n45\n52\n"},
      {"select(Emp,GT(age,30))\n\nDept(id int, age int)\n1,99\n\n" + emp + "\nOther(age int)\n77\n",
       "(age int, id int, name string)\n45,2,Bela\n52,4,Dora\n"},

      // A later relation of a name hides an earlier one, whatever the earlier one gave.
      {"select(Emp,GT(age,30))\n\nEmp(age int, id int)\n99,1\n31,2\n\n" + emp,
       "(age int, id int, name string)\n45,2,Bela\n52,4,Dora\n"},
      {"select(Emp,GT(age,30))\n\n" + emp + "\nEmp(age int, id int)\n10,1\n31,2\n", "(age int, id int)\n31,2\n"},
      {"select(Emp,GT(age,30))\n\n" + emp + "\nEmp(age int, id int)\n", "(age int, id int)\n"},
      {"project(select(Emp,GT(age,30)),id)\n\n" + emp + "\nEmp(age int, id int)\n", "(id int)\n"},
      {"select(Emp,EQ(id,name))\n\nEmp(id int, name string)\n1,1\n\nEmp(id int, name int)\n1,1\n2,3\n",
       "(id int, name int)\n1,1\n"},
      {"select(Emp,EQ(id,name))\n\nEmp(id int, name int)\n1,1\n\nEmp(id int, name string)\n1,1\n",
       "fatal: " + typeMessage},
      {"select(Emp,EQ(id,name))\n\nEmp(id int, name int)\n1,1\n\nEmp(id int, name string)\n",
       "(id int, name string)\n"},
      {"project(select(Emp,EQ(id,name)),id)\n\nEmp(id int, name string)\n1,1\n\nEmp(id int, name int)\n1,1\n2,3\n",
       "(id int)\n1\n"},
      {"project(select(Emp,EQ(id,name)),id)\n\nEmp(id int, name int)\n1,1\n\nEmp(id int, name string)\n1,1\n",
       "fatal: " + typeMessage},
      {"project(Emp,c)\n\nEmp(a int)\n1\n\nEmp(a int, c string)\n2,x\n3,y\n", "(c string)\nx\ny\n"},
      {"project(Emp,c)\n\nEmp(a int, c string)\n2,x\n\nEmp(a int)\n1\n", "fatal: " + getValueMessage},
      {"project(select(Emp,GT(a,1)),c)\n\nEmp(a int)\n5\n\nEmp(a int, c string)\n2,x\n1,y\n", "(c string)\nx\n"},
      {"project(select(Emp,GT(a,1)),c)\n\nEmp(a int, c string)\n2,x\n\nEmp(a int)\n5\n", "fatal: " + getValueMessage},

      // Several operators watching one relation.
      {"union(select(Emp,LT(id,2)),select(Emp,GT(id,3)))\n\n" + emp,
       "(age int, id int, name string)\n30,1,Anna\n52,4,Dora\n"},
      {"minus(select(Emp,EQ(age,30)),Emp)\n\n" + emp, "(age int, id int, name string)\n"},
      {"minus(Emp,select(Emp,EQ(age,30)))\n\n" + emp, "(age int, id int, name string)\n45,2,Bela\n52,4,Dora\n"},
      {"union(project(Emp,name),project(select(Emp,GT(age,40)),name))\n\n" + emp,
       "(name string)\nAnna\nBela\nCecil\nDora\n"},
      {"minus(project(Emp,name),project(select(Emp,GT(age,40)),name))\n\n" + emp, "(name string)\nAnna\nCecil\n"},
      {"product(select(Emp,EQ(id,1)),rename(project(select(Emp,GT(id,2)),id),N(k)))\n\n" + emp,
       "(age int, id int, k int, name string)\n30,1,3,Anna\n30,1,4,Anna\n"},
      {"product(project(Emp,age),select(Emp,GT(age,45)))\n\n" + emp,
       "(age int, age int, id int, name string)\n30,52,4,Dora\n45,52,4,Dora\n52,52,4,Dora\n"},

      // A malformed query is reported once every relation has been read.
      {"union(Emp)\n\nEmp(a int)\n1,2\n3\n", "fatal: " + setValueMessage, false},
      {"select(Emp,GT(a,1)\n\nEmp(a int)\n1\n2\n\nEmp()\n",
       "fatal: Hibas relacio fejlec, ures az attributumlista: \"Emp()\"", false},
      {"select(Emp,AND(GT(a,1)))\n\nEmp(a int)\n1,2\n", "fatal: " + setValueMessage, false},
      {"union(Emp)\n\n" + emp, "fatal: Hibas kifejezes, hianyzik a vesszo az argumentumok kozul: \"union(Emp)\""},
      {"select(Emp,AND(GT(age,1)))\n\n" + emp,
       "fatal: Hibas feltetel, hianyzik a vesszo az argumentumok kozul: \"AND(GT(age,1))\""},
      {"project(Emp, )\n\n" + emp, "fatal: Hibas projekcio, ures attributumnev: \" \""},

      // A name the relation lacks ends the run only once a record is projected.
      {"project(select(Emp,GT(age,60)),salary)\n\n" + emp, "( )\n"},
      {"project(select(Emp,GT(age,50)),salary)\n\n" + emp, "fatal: " + getValueMessage},
      {"project(select(Emp,GT(age,50)),name,salary)\n\n" + emp, "fatal: " + getValueMessage},
      {"project(Emp,salary)\n\n" + emp, "fatal: " + getValueMessage},
      {"select(Emp,GT(salary,1))\n\n" + emp, "(age int, id int, name string)\n"},

      // Values equal as numbers: of equal projections the last one stays.
      {"project(Emp,id)\n\nEmp(id int, name string)\n007,a\n7,b\n-3,c\n", "(id int)\n-3\n7\n"},
      {"project(Emp,id)\n\nEmp(id int, name string)\n7,a\n007,b\n", "(id int)\n007\n"},
      {"project(select(Emp,EQ(id,7)),id)\n\nEmp(id int, name string)\n007,a\n7,b\n0007,c\n", "(id int)\n0007\n"},
      {"project(Emp,id)\n\nEmp(id string)\n007\n7\n", "(id string)\n007\n7\n"},
      {"select(Emp,GTE(id,-3))\n\nEmp(id int)\n-3\n007\n-4\nx\n", "(id int)\n-3\n007\nx\n"},

      // Missing values are empty; a comma at the end of a line adds none.
      {"select(Emp,EQ(a,0))\n\nEmp(a int, b string)\n1,\n,2\n3,x,\n", "(a int, b string)\n,2\n"},
      {"select(Emp,GT(a,0))\n\nEmp(a int, b string)\n1,\n,2\n3,x,\n4\n", "(a int, b string)\n1,\n3,x\n4,\n"},
      {"project(Emp,b)\n\nEmp(a int, b string)\n1,\n2\n3,x,\n", "(b string)\n\nx\n"},
      {"project(select(Emp,NEQ(b,x)),a)\n\nEmp(a int, b string)\n1,\n2\n3,x,\n", "(a int)\n1\n2\n"},

      // An empty relation, and a name the file lacks.
      {"select(Emp,EQ(a,b))\n\nEmp(a int, b string)\n", "(a int, b string)\n"},
      {"project(select(Emp,GT(a,1)),a)\n\nEmp(a int)\n", "(a int)\n"},
      {"project(Emp,missing)\n\nEmp(a int)\n", "( )\n"},
      {"select(Nobody,GT(a,1))\n\n" + emp, "Meg ures az eredmeny...\n"},
      {"project(select(emp,GT(age,1)),age)\n\n" + emp, "Meg ures az eredmeny...\n"},
      {"union(project(Nobody,a),select(Emp,GT(age,1)))\n\n" + emp, "Meg ures az eredmeny...\n"},
      {"select(Emp,GT(age,1))\n", "Meg ures az eredmeny...\n"},
  };
  for (const WatchedCase& watchedCase : cases) {
    const std::string& label = watchedCase.input;
    const Outcome fromFile = runFromFile(watchedCase.input);
    expectSameOutcome(fromFile, runFromPipe(watchedCase.input), label);
    if (watchedCase.expected.starts_with("fatal: ")) {
      EXPECT_EQ(fromFile.status, 1) << label;
      EXPECT_EQ("fatal: " + fromFile.errors, watchedCase.expected + "\n") << label;
      EXPECT_EQ(fromFile.console, "") << label;
      if (watchedCase.readsEveryLine) {
        EXPECT_EQ(fromFile.output, watchedCase.input) << label;
      }
    } else {
      EXPECT_EQ(fromFile.status, 0) << label;
      EXPECT_EQ(fromFile.errors, "") << label;
      EXPECT_EQ(fromFile.console, watchedCase.expected) << label;
      const std::string result = watchedCase.expected.starts_with("Meg ures") ? "" : watchedCase.expected;
      EXPECT_EQ(fromFile.output, watchedCase.input + "\n" + result) << label;
    }
  }
}

// A result too large to copy while loading is found again in the input file.
TEST_F(LoadingWhileWatched, LargeSelectionsKeepTheirRecordsInTheFile) {
  std::string input =
      "union(select(Emp,GT(age,1)),project(select(Emp,LT(id,100)),id,age,name))\n\n"
      "Emp(id int, name string, age int)\n";
  for (int id = 0; id < 40000; ++id) {
    input += std::to_string(id) + ",name of number " + std::to_string(id) + "," + std::to_string(id % 7) + "\n";
  }
  const Outcome fromFile = runFromFile(input);
  expectSameOutcome(fromFile, runFromPipe(input), "large input");
  EXPECT_EQ(fromFile.status, 0);
  EXPECT_EQ(std::count(fromFile.console.begin(), fromFile.console.end(), '\n'), 1 + 28570 + 30);
}

// Relations of many batches, worked on while the rest is loaded: more than
// enough distinct projections to stop hashing them, equal numbers written
// differently (the last of them is kept), and a later relation of the same
// name that hides the first.
TEST_F(LoadingWhileWatched, LargeRelationsGiveWhatTheLoadedRelationGives) {
  auto relation = [](int count, int seed) {
    std::string text = "Emp(id int, name string, code int, salary int)\n";
    for (int id = 0; id < count; ++id) {
      const int code = (id * seed) % 70000;
      text += std::to_string(id) + ",name " + std::to_string((id * 7919) % 90000) + "," + (id % 2 == 0 ? "00" : "") +
              std::to_string(code) + "," + std::to_string((id * 31) % 1000) + "\n";
    }
    return text;
  };
  const std::string once = relation(70000, 13) + "\nDept(d int)\n1\n";
  const std::string twice = relation(20000, 17) + "\n" + once;
  const std::string queries[] = {
      "project(Emp,name)",
      "project(Emp,code)",
      "project(select(Emp,GTE(salary,100)),code,name)",
      "select(Emp,EQ(salary,5))",
  };
  for (const std::string& query : queries) {
    for (const std::string* relations : {&once, &twice}) {
      const std::string input = query + "\n\n" + *relations;
      const std::string label = query + (relations == &twice ? " (hidden first)" : "");
      const Outcome fromFile = runFromFile(input);
      EXPECT_EQ(fromFile.status, 0) << label;
      expectSameOutcome(fromFile, runFromPipe(input), label);
    }
  }
}

// Work done while loading needs the input file no more: evaluated after the
// file has changed, a watched query still gives its result, where reading
// the records again would end the run.
TEST_F(LoadingWhileWatched, WatchedWorkDoesNotReadTheFileAgain) {
  const std::string input = "Emp(id int, name string)\n1,Anna\n2,Bela\n3,Cecil\n";
  auto evaluateAfterChange = [&](std::string_view query, std::string_view expected, bool watch) {
    const std::filesystem::path path = folder.write("input.txt", std::string(query) + "\n\n" + input);
    InputFile file(path.string());
    std::ostream discard(nullptr);
    LineReader reader(file.stream(), discard);
    RelationList relations;
    AlgebraTree tree(std::make_unique<DummyOperator>());
    parseExpression(tree, readQuery(reader), relations);
    const QueryPlan plan = Planner::plan(tree);
    relations = loadRelations(reader, file, watch ? plan.watchedWhileLoading : std::vector<WatchedRelation>());
    folder.write("input.txt", "changed");
    return test::fatalMessageOf([&] {
      EvaluateVisitor evaluator;
      tree.walkPostOrder(evaluator);
      const Relation* result = tree.getRoot().payload->getResult();
      ASSERT_NE(result, nullptr);
      EXPECT_EQ(test::recordsOf(*result), expected) << query;
    });
  };
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"select(Emp,GT(id,1))", "2,Bela\n3,Cecil\n"},
      {"project(Emp,name)", "Anna\nBela\nCecil\n"},
      {"project(select(Emp,NEQ(name,Anna)),id,name)", "2,Bela\n3,Cecil\n"},
  };
  for (const auto& [query, expected] : cases) {
    EXPECT_EQ(evaluateAfterChange(query, expected, true), "(no fatal error)") << query;
    EXPECT_NE(evaluateAfterChange(query, expected, false).find("megvaltozott"), std::string::npos) << query;
  }
}

}  // namespace
}  // namespace qerix
