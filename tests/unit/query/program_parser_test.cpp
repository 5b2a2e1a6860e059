#include "query/program_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "algebra/dummy_operator.h"
#include "query/program_text.h"
#include "plan/planner.h"
#include "query/query_parser.h"
#include "support/builders.h"
#include "support/tree_dump.h"

namespace qerix {
namespace {

using test::fatalMessageOf;

std::string dumpProgram(std::string_view program) {
  const RelationList none;
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseQuery(tree, program, none, QueryLanguage::extended);
  return test::dumpTree(*tree.getRoot().left);
}

std::string programMessage(std::string_view program) {
  return fatalMessageOf([&] { dumpProgram(program); });
}

// The printed result of a program over the relations, planned or not.
std::string programOutcome(std::string_view program, const RelationList& relations, bool planned = true) {
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseQuery(tree, program, relations, QueryLanguage::extended);
  if (planned) Planner::plan(tree);
  EvaluateVisitor evaluator;
  tree.walkPostOrder(evaluator);
  const Relation* result = tree.getRoot().payload->getResult();
  return result ? test::printed(*result) : "null";
}

const RelationList& people() {
  static const RelationList relations = test::relationList(
      test::makeRelation("R(a int, b string)", {"1,x", "2,y", "3,z"}), test::makeRelation("T(a int)", {"9"}));
  return relations;
}

TEST(ProgramText, StatementsEndAtLineEndsAndTopLevelSemicolons) {
  const std::vector<ProgramStatement> statements =
      splitProgram("T <- select(R,EQ(b,x;y)) ; U:=σ_{b = 'p;q'}(T)\n\n  T \\leftarrow U\nπ_{a}(T);");
  ASSERT_EQ(statements.size(), 4U);
  EXPECT_EQ(statements[0].name, "T");
  EXPECT_EQ(statements[0].expression, "select(R,EQ(b,x;y))");
  EXPECT_EQ(statements[1].name, "U");
  EXPECT_EQ(statements[1].expression, "σ_{b = 'p;q'}(T)");
  EXPECT_EQ(statements[2].name, "T");
  EXPECT_EQ(statements[2].expression, "U");
  EXPECT_EQ(statements[3].name, "");
  EXPECT_EQ(statements[3].expression, "π_{a}(T)");
}

TEST(ProgramText, OnlyANameAndAnAssignmentStartAProgram) {
  EXPECT_TRUE(startsProgram("T <- R"));
  EXPECT_TRUE(startsProgram("  T2_x ← R"));
  EXPECT_TRUE(startsProgram("T:=R"));
  EXPECT_TRUE(startsProgram("T \\leftarrow R"));
  EXPECT_FALSE(startsProgram("T \\leftarrowx R"));
  EXPECT_FALSE(startsProgram("select(T <- R,EQ(a,1))"));
  EXPECT_FALSE(startsProgram("2T <- R"));
  EXPECT_FALSE(startsProgram("a;b"));
  EXPECT_FALSE(startsProgram("T < - R"));
}

TEST(ProgramText, GoesOnAfterAnAssignmentOrASemicolon) {
  EXPECT_TRUE(continuesProgram("T <- R"));
  EXPECT_TRUE(continuesProgram("T <- R; U <- T"));
  EXPECT_TRUE(continuesProgram("T <- R\nπ_{a}(T);  "));
  EXPECT_FALSE(continuesProgram("T <- R; T"));
  EXPECT_FALSE(continuesProgram("T <- R\nT"));
}

TEST(ProgramParser, EachNamedResultIsANodeOverItsStatementAndTheRest) {
  EXPECT_EQ(dumpProgram("T <- select(R,EQ(a,1)); U <- π_{b}(T)\nT ∪ U"),
            "T <-(Select{DUMMY/   EQ: a, 1}('R'),U <-(Project[b]('T'),Union('T','U')))");
}

// A name is visible after its statement only; before, the loaded relation
// of that name is read.
TEST(ProgramParser, ANameHidesTheLoadedRelationFromTheNextStatementOn) {
  EXPECT_EQ(programOutcome("T <- union(T,project(R,a)); T <- select(T,GT(a,2)); T", people()),
            "T(a int)\n3\n9\n");
  EXPECT_EQ(programOutcome("T <- R; project(R,a)", people()), "(a int)\n1\n2\n3\n");
}

TEST(ProgramParser, PlainAndPlannedEvaluationAgree) {
  const std::string program = "S <- σ_{a > 1}(R)\nP := project(S,b)\nσ_{b = 'y'}(P) ∪ π_{b}(σ_{a = 3}(S))";
  const std::string planned = programOutcome(program, people());
  EXPECT_EQ(planned, "(b string)\ny\nz\n");
  EXPECT_EQ(programOutcome(program, people(), false), planned);
}

TEST(ProgramParser, MalformedProgramsAreRefusedWithTheTextAtFault) {
  EXPECT_EQ(programMessage("T <- R; U <- T"),
            "Hibas program, az utolso ertekadas utan hianyzik a lekerdezes: \"U <- T\"");
  EXPECT_EQ(programMessage("T <- R; R; T"),
            "Hibas program, csak az utolso utasitas lehet ertekadas nelkuli (T <- E): \"R\"");
  EXPECT_EQ(programMessage("T <- ; T"), "Hibas program, ures az ertekadas kifejezese: \"T <-\"");
  EXPECT_EQ(programMessage("T <- R; sigma <- R; T"), "Hibas program, az eredmeny neve nem lehet kulcsszo: \"sigma\"");
  std::string many;
  for (int statement = 0; statement <= 1000; ++statement) many += "T <- R\n";
  EXPECT_EQ(programMessage(many + "T"), "Tul sok ertekadas a programban (legfeljebb 1000): \"T <- R\"");
}

// Textbook statements name the line and column in the whole program.
TEST(ProgramParser, TextbookMessagesCountPositionsFromTheProgramsStart) {
  EXPECT_EQ(programMessage("T <- R\nU <- T jion R\nU"),
            "Hibas kifejezes (2. sor 8. oszlop): muvelet vagy a lekerdezes vege kell itt, nem \"jion\"; erre "
            "gondolt: \"join\"?");
}

// The output file echoes the program's lines; the relations follow it.
TEST(ProgramRun, ReadsTheProgramsLinesThenTheRelations) {
  const test::TempFolder folder;
  const std::string input = "\nT <- σ_{a > 1}(R);\nU <- π_{b}(T)\nU\n\nR(a int, b string)\n1,x\n2,y\n";
  for (const bool plain : {false, true}) {
    const test::RunOutcome outcome =
        test::runOnInput(folder, input, {"-x"}, {.rewrites = !plain, .parallel = !plain});
    EXPECT_EQ(outcome.errors, "");
    EXPECT_EQ(outcome.console, "U(b string)\ny\n");
    EXPECT_EQ(outcome.output, input + "\nU(b string)\ny\n");
  }
}

}  // namespace
}  // namespace qerix
