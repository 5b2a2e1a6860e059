// The whole run, in-process, on arbitrary input file bytes, as qerix and as
// qerix -x (the textbook notation and programs). Besides what the
// sanitizers catch, every run must end in one of two ways: status 0 with
// nothing on standard error, or status 1 with one plain-ASCII message line.
// The input file must come out of the run unchanged. The same run with every
// rewrite and all parallel work off, the plain evaluation, must give the same
// bytes on every channel. qerix-tree --steps (as text and as JSON) must end
// as qerix does, with one message line where it fails.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "driver/run.h"
#include "fuzz_budget.h"
#include "tools/tree_command.h"

namespace {

// A folder of our own for the input and output files, removed at exit.
class WorkFolder {
 public:
  WorkFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qerix-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    folder = pattern;
    input = (folder / "input.txt").string();
    output = (folder / "output.txt").string();
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  ~WorkFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  std::filesystem::path folder;
  std::string input;
  std::string output;
};

struct Outcome {
  int status;
  std::string console;
  std::string errors;
  std::string output;
};

[[noreturn]] void fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "run_fuzzer: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) fail("cannot write the input file", path);
}

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// One line, a line feed at its end, printable ASCII before it.
bool isOneMessageLine(std::string_view text) {
  if (text.size() < 2 || text.back() != '\n') return false;
  text.remove_suffix(1);
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte < 0x20 || byte > 0x7E) return false;
  }
  return true;
}

Outcome runOn(const std::string& input, const std::string& output, bool extended, const qerix::RunSettings& settings) {
  std::filesystem::remove(output);
  std::vector<std::string_view> arguments{input, output};
  if (extended) arguments.insert(arguments.begin(), "-x");
  std::ostringstream console;
  std::ostringstream errors;
  const int status = qerix::run(arguments, console, errors, settings);
  return {status, console.str(), errors.str(), readFile(output)};
}

// Status 0 with nothing on standard error, or 1 with one message line.
void expectOneWayOut(int status, const std::string& message, std::string_view program) {
  if (status == 0) {
    if (!message.empty()) fail(std::string(program) + ": status 0 with a message", message);
  } else if (status == 1) {
    if (!isOneMessageLine(message))
      fail(std::string(program) + ": status 1 without one plain-ASCII message line", message);
  } else {
    fail(std::string(program) + ": unexpected status", std::to_string(status));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const WorkFolder work;
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  const qerix::fuzz::InputShape shape = qerix::fuzz::shapeOf(input);
  if (!qerix::fuzz::isWithinBudget(shape.query, shape.longestRun)) return -1;  // not added to the corpus

  writeFile(work.input, input);
  for (const bool extended : {false, true}) {
    const Outcome planned = runOn(work.input, work.output, extended, {});
    // The same output path, so that messages quoting it agree.
    const Outcome plain = runOn(work.input, work.output, extended, {.rewrites = false, .parallel = false});
    if (plain.status != planned.status) fail("the plain evaluation gives another status", plain.errors);
    if (plain.console != planned.console) fail("the plain evaluation gives another console", plain.console);
    if (plain.errors != planned.errors) fail("the plain evaluation gives another message", plain.errors);
    if (plain.output != planned.output) fail("the plain evaluation gives another output file", plain.output);

    expectOneWayOut(planned.status, planned.errors, "qerix");

    for (const bool json : {false, true}) {
      std::vector<std::string_view> treeArguments{"--steps", "--rows", "3"};
      if (json) treeArguments.push_back("--json");
      if (extended) treeArguments.push_back("-x");
      treeArguments.push_back(work.input);
      std::ostringstream treeConsole;
      std::ostringstream treeErrors;
      const int treeStatus = qerix::runTree(treeArguments, treeConsole, treeErrors);
      expectOneWayOut(treeStatus, treeErrors.str(), "qerix-tree");
      if (treeStatus != planned.status) fail("qerix-tree --steps ends otherwise than qerix", treeErrors.str());
    }
  }
  if (readFile(work.input) != input) fail("the input file changed", work.input);
  return 0;
}
