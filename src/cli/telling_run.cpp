#include "cli/telling_run.h"

#include <ostream>
#include <string>
#include <vector>

#include "inspect/failure_explanation.h"
#include "inspect/query_warnings.h"
#include "model/fatal_error.h"

namespace qerix {

namespace {

constexpr std::string_view noWarningsOption = "--no-warnings";

bool isExtendedOption(std::string_view argument) { return argument == "-x" || argument == "--extended"; }

class TellingListener : public RunListener {
 public:
  explicit TellingListener(bool warningsWanted) : warnings(warningsWanted) {}

  void completed(const QueryPipeline& pipeline, std::ostream& errors) override {
    if (!warnings) return;
    const LoadedInput& input = pipeline.getInput();
    std::vector<std::string> found;
    // A warning that cannot be found (memory) is no reason to fail a run that completed.
    failureOf([&] { found = findQueryWarnings(input.query, input.relations, QueryLanguage::extended, true); }, "");
    for (const std::string& warning : found) errors << warning << '\n';
  }

  std::string explain(const QueryPipeline* pipeline, const std::string& message) override {
    if (!pipeline || !pipeline->isLoaded()) return message;
    std::string explained;
    failureOf([&] { explained = explainFailure(pipeline->getInput(), message); }, "");
    return explained.empty() ? message : explained;
  }

 private:
  bool warnings;
};

}  // namespace

int runTelling(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors,
               const RunSettings& settings) {
  // --no-warnings goes with -x, before the files; alone it is the usage error it always was.
  std::vector<std::string_view> forwarded(arguments.begin(), arguments.end());
  bool warnings = true;
  if (forwarded.size() == 4 && (isExtendedOption(forwarded[0]) || isExtendedOption(forwarded[1])) &&
      (forwarded[0] == noWarningsOption || forwarded[1] == noWarningsOption)) {
    warnings = false;
    forwarded.erase(forwarded.begin() + (forwarded[0] == noWarningsOption ? 0 : 1));
  }
  if (forwarded.size() != 3 || !isExtendedOption(forwarded[0])) return run(arguments, console, errors, settings);
  TellingListener listener(warnings);
  return run(forwarded, console, errors, settings, &listener);
}

}  // namespace qerix
