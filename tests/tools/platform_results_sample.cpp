// Writes sample submissions in every platform's format, so that the tests
// can hold the writers' files against the platforms' schemas:
// <folder>/<platform>-<sample>.json for each platform and sample.
#include <cmath>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "tools/platform_results.h"

namespace {

using qerix::PlatformSubmission;
using qerix::PlatformTest;

std::vector<std::pair<std::string, PlatformSubmission>> samples() {
  std::vector<std::pair<std::string, PlatformSubmission>> result;

  PlatformSubmission graded;
  graded.score = 3.5;
  graded.maxScore = 6;
  graded.output = "1. kerdes: jo\n2. kerdes: mas sorrend";
  graded.tests.push_back({"1. kerdes / kicsi", 2, 2, false, true, "A valasz eredmenye ugyanaz."});
  graded.tests.push_back({"2. kerdes / kicsi", 1.5, 2, false, false, "Mas sorrendben."});
  graded.tests.push_back({"2. kerdes / rejtett", 0, 2, true, false, "Nem jo."});
  result.emplace_back("graded", graded);

  PlatformSubmission unreadable = graded;
  unreadable.score = 0;
  unreadable.gradable = false;
  unreadable.formatErrors = {"2. kerdes: hianyzo zarojel: \"(Dolgozo\""};
  result.emplace_back("not-gradable", unreadable);

  PlatformSubmission empty;
  result.emplace_back("no-tests", empty);

  PlatformSubmission odd;
  odd.score = NAN;
  odd.maxScore = 0;
  odd.output = std::string("<script>\"'&\n\t\xff\xc3 árvíztűrő");
  odd.tests.push_back({std::string("q\x80"), 9, 0, false, true, std::string("\xe2\x82 ≠")});
  odd.tests.push_back({"hidden", INFINITY, 1, true, false, ""});
  result.emplace_back("odd-text-and-scores", odd);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: platform_results_sample FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  const std::pair<const char*, void (*)(const PlatformSubmission&, std::ostream&)> writers[] = {
      {"gradescope", qerix::writeGradescopeResults},
      {"prairielearn", qerix::writePrairieLearnResults},
      {"coderunner", qerix::writeCodeRunnerResults}};
  for (const auto& [platform, write] : writers) {
    for (const auto& [name, submission] : samples()) {
      const std::string path = folder + "/" + platform + "-" + name + ".json";
      std::ofstream out(path, std::ios::binary);
      write(submission, out);
      if (!out.flush()) {
        std::cerr << "cannot write " << path << '\n';
        return 1;
      }
    }
  }
  return 0;
}
