#include "driver/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/builders.h"

namespace qerix {
namespace {

struct RunResult {
  int status;
  std::string console;
  std::string errors;
};

RunResult runWith(const std::vector<std::string>& arguments) {
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  std::ostringstream console;
  std::ostringstream errors;
  const int status = run(views, console, errors);
  return {status, console.str(), errors.str()};
}

// A run over input.txt holding `input`, writing output.txt.
class Run : public ::testing::Test {
 protected:
  RunResult runOn(std::string_view input) {
    return runWith({folder.write("input.txt", input).string(), folder.path("output.txt").string()});
  }
  std::string output() const { return folder.read("output.txt"); }

  test::TempFolder folder;
};

TEST_F(Run, WrongArgumentCountTouchesNoFile) {
  const std::string input = folder.write("input.txt", "R\n").string();
  const std::string output = folder.path("output.txt").string();
  for (const auto& arguments : {std::vector<std::string>{}, {input}, {input, output, output}}) {
    const RunResult result = runWith(arguments);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors, "Hasznalat: qerix <input_file> <output_file>\n");
    EXPECT_EQ(result.console, "");
  }
  EXPECT_EQ(folder.read("output.txt"), "(missing)");
}

// --lang and -x come before the two files, in either order, each once; an
// option without both files after it is the usage error in the language it
// asked for, and never touches a file. A second -x is a file, as before.
TEST_F(Run, LanguageOptionComesBeforeTheFiles) {
  const std::string input = folder.write("input.txt", "R\n\nR(a int)\n1\n").string();
  const std::string output = folder.path("output.txt").string();
  const std::string englishUsage = "Usage: qerix <input_file> <output_file>\n";
  const std::string hungarianUsage = "Hasznalat: qerix <input_file> <output_file>\n";
  using Arguments = std::vector<std::string>;
  for (const auto& [arguments, errors] :
       std::vector<std::pair<Arguments, std::string>>{{{"--lang", "en", "-x", input}, englishUsage},
                                                      {{"-x", "--lang", "en", input}, englishUsage},
                                                      {{"--lang", "en"}, englishUsage},
                                                      {{"--lang", "en", "--lang", "hu", input, output}, englishUsage},
                                                      {{"--lang", "de", input, output}, hungarianUsage},
                                                      {{"--lang", input, output}, hungarianUsage},
                                                      {{"--lang"}, hungarianUsage}}) {
    const RunResult result = runWith(arguments);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors, errors) << arguments.size();
  }
  EXPECT_EQ(folder.read("output.txt"), "(missing)");
  for (const auto& arguments :
       {Arguments{"--lang", "en", "-x", input, output}, Arguments{"-x", "--lang", "hu", input, output},
        Arguments{"--lang", "en", input, output}}) {
    const RunResult result = runWith(arguments);
    EXPECT_EQ(result.status, 0) << result.errors;
    EXPECT_EQ(result.console, "R(a int)\n1\n");
  }
}

TEST_F(Run, EachRunStartsInHungarian) {
  folder.write("input.txt", "S\n\nR(a int)\n1\n");
  const std::string input = folder.path("input.txt").string();
  const std::string output = folder.path("output.txt").string();
  EXPECT_EQ(runWith({"--lang", "en", input, output}).console, "The result is still empty...\n");
  EXPECT_EQ(runWith({input, output}).console, "Meg ures az eredmeny...\n");
}

TEST_F(Run, UnreadableInputKeepsTheOutputFile) {
  folder.write("output.txt", "old");
  std::filesystem::create_directory(folder.path("folder"));
  for (const char* input : {"missing.txt", "folder"}) {
    const RunResult result = runWith({folder.path(input).string(), folder.path("output.txt").string()});
    EXPECT_EQ(result.status, 1) << input;
    EXPECT_EQ(result.errors, "Nincs ilyen input file!\n") << input;
  }
  EXPECT_EQ(output(), "old");
}

TEST_F(Run, OutputThatIsTheInputIsRefusedBeforeItIsTruncated) {
  const std::filesystem::path input = folder.write("input.txt", "R\n\nR(a int)\n1\n");
  std::filesystem::create_directory(folder.path("sub"));
  std::filesystem::create_hard_link(input, folder.path("link.txt"));
  for (const std::filesystem::path& output :
       {input, folder.path("sub") / ".." / "input.txt", folder.path("link.txt")}) {
    const RunResult result = runWith({input.string(), output.string()});
    EXPECT_EQ(result.status, 1) << output;
    EXPECT_EQ(result.errors, "Az output file nem lehet azonos az input file-lal: \"" + output.string() + "\"\n");
  }
  EXPECT_EQ(folder.read("input.txt"), "R\n\nR(a int)\n1\n");
}

TEST_F(Run, OutputThatCannotBeOpenedIsReported) {
  const std::string input = folder.write("input.txt", "R\n").string();
  std::filesystem::create_directory(folder.path("folder"));
  for (const std::filesystem::path& output : {folder.path("none") / "output.txt", folder.path("folder")}) {
    const RunResult result = runWith({input, output.string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors, "Nem sikerult irasra megnyitni az output file-t: \"" + output.string() + "\"\n");
    EXPECT_EQ(result.console, "");
  }
}

// A result that cannot be written to the console (a full disk, a closed
// standard output) ends the run with a message; the output file is whole.
TEST_F(Run, ConsoleThatCannotBeWrittenIsReported) {
  const std::string relation = "R(a int)\n1\n";
  for (const std::string query : {"R", "Missing"}) {
    const std::string input = folder.write("input.txt", query + "\n\n" + relation).string();
    std::ostream console(nullptr);  // every write fails
    std::ostringstream errors;
    const std::string outputPath = folder.path("output.txt").string();
    const std::string_view views[] = {input, outputPath};
    EXPECT_EQ(run(views, console, errors), 1) << query;
    EXPECT_EQ(errors.str(), "Nem sikerult kiirni az eredmenyt a standard kimenetre.\n") << query;
    EXPECT_EQ(output(), query + "\n\n" + relation + "\n" + (query == "R" ? relation : "")) << query;
  }
}

// A run empties an existing output file, whether it ends with a result,
// without one, or at an error, and whether the old file was longer or not.
TEST_F(Run, ExistingOutputFileHoldsOnlyThisRun) {
  const std::string relation = "R(a int)\n1\n";
  const std::string longOld = std::string(300000, 'o') + "\n";
  struct Case {
    std::string query;
    int status;
    std::string output;
  };
  const Case cases[] = {
      {"R", 0, "R\n\n" + relation + "\n" + relation},
      {"Missing", 0, "Missing\n\n" + relation + "\n"},
      {"project(R,c)", 1, "project(R,c)\n\n" + relation},
  };
  for (const Case& runCase : cases) {
    for (const std::string& old : {longOld, std::string("x"), std::string()}) {
      folder.write("output.txt", old);
      const RunResult result = runOn(runCase.query + "\n\n" + relation);
      EXPECT_EQ(result.status, runCase.status) << runCase.query;
      EXPECT_EQ(output(), runCase.output) << runCase.query << " over " << old.size() << " bytes";
    }
  }
}

struct FatalCase {
  std::string input;
  std::string message;
  std::string echo;  // what the output file holds: every line read before the error
};

TEST_F(Run, FatalErrorsLeaveTheLinesReadSoFar) {
  const std::string relation = "\r\nR(a int, b s)\r\n1,2\r\n";
  const std::string relationEcho = "\nR(a int, b s)\n1,2\n";
  const FatalCase cases[] = {
      {"", "Hianyzik a lekerdezes: az input file-ban nincs nem ures sor.", ""},
      {"\n\r\n", "Hianyzik a lekerdezes: az input file-ban nincs nem ures sor.", "\n\n"},
      {"   \r\n" + relation, "Ures a lekerdezes: \"   \"", "   \n" + relationEcho},
      {"R\n\nR()\n1\n", "Hibas relacio fejlec, ures az attributumlista: \"R()\"", "R\n\nR()\n"},
      {"R\n\nR(a int, )\n", "Hibas relacio fejlec, vesszo utan hianyzik az attributum: \"R(a int, )\"",
       "R\n\nR(a int, )\n"},
      {"R\n\nR(a int)\n1,2\n3\n", "Record::setValue( int fieldno, string value ): nagy fieldno!",
       "R\n\nR(a int)\n1,2\n"},
      {"union(R)\r\n" + relation, "Hibas kifejezes, hianyzik a vesszo az argumentumok kozul: \"union(R)\"",
       "union(R)\n" + relationEcho},
      {"select(R,AND(EQ(a,1),b))" + relation, "Hibas feltetel, hianyzik a reszfeltetel: \"AND(EQ(a,1),b)\"",
       "select(R,AND(EQ(a,1),b))" + relationEcho},
      {"project(R,c)" + relation, "Record::getValue (int fieldno ): nagy fieldno!", "project(R,c)" + relationEcho},
      {"select(R,EQ(a,b))" + relation, "Nem azonos a ket attributum tipusa!", "select(R,EQ(a,b))" + relationEcho},
      {"union(R\x01)" + relation, "Hibas kifejezes, hianyzik a vesszo az argumentumok kozul: \"union(R\\x01)\"",
       "union(R\x01)" + relationEcho},
  };
  for (const FatalCase& fatalCase : cases) {
    const RunResult result = runOn(fatalCase.input);
    EXPECT_EQ(result.status, 1) << fatalCase.input;
    EXPECT_EQ(result.errors, fatalCase.message + "\n") << fatalCase.input;
    EXPECT_EQ(result.console, "") << fatalCase.input;
    EXPECT_EQ(output(), fatalCase.echo) << fatalCase.input;
  }
}

TEST_F(Run, LargeInputEchoesEveryLineAndPrintsTheResult) {
  // Lines of every length, a long one well past a read block, CR LF and LF
  // ends mixed, and a last line without a line feed.
  std::string input = "R\r\n\nR(a s, b int)\n";
  std::string echo = "R\n\nR(a s, b int)\n";
  std::string records;
  for (int number = 0; number < 40000; ++number) {
    std::string value = std::string(static_cast<std::size_t>(number % 97), 'v') + std::to_string(number);
    if (number == 20000) value = std::string(std::size_t{700} << 10, 'L');
    const std::string record = value + "," + std::to_string(number);
    input += record + (number % 3 == 0 ? "\r\n" : "\n");
    echo += record + "\n";
    records += record + "\n";
  }
  input += "x,1";
  echo += "x,1\n";
  records += "x,1\n";
  const RunResult result = runOn(input);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.errors, "");
  EXPECT_TRUE(result.console == "R(a s, b int)\n" + records) << "the console differs";
  EXPECT_TRUE(output() == echo + "\nR(a s, b int)\n" + records) << "the output file differs";
}

}  // namespace
}  // namespace qerix
