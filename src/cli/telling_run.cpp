#include "cli/telling_run.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "inspect/failure_explanation.h"
#include "inspect/query_warnings.h"
#include "model/fatal_error.h"

namespace qerix {

namespace {

constexpr std::string_view noWarningsOption = "--no-warnings";

class TellingListener : public RunListener {
 public:
  explicit TellingListener(bool warningsWanted) : warnings(warningsWanted) {}

  void completed(const QueryPipeline& pipeline, std::ostream& errors) override {
    if (!warnings) return;
    const LoadedInput& input = pipeline.getInput();
    std::vector<std::string> found;
    // A warning that cannot be found (memory) is no reason to fail a run that completed.
    failureOf([&] { found = findQueryWarnings(input.query, input.relations, QueryLanguage::extended); }, "");
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
  // The options stand before the two files; --no-warnings goes with -x, and
  // without it is the usage error it always was.
  const std::size_t optionCount = arguments.size() < 2 ? 0 : arguments.size() - 2;
  const auto options = arguments.first(optionCount);
  const bool extended = std::any_of(options.begin(), options.end(), isExtendedOption);
  if (!extended) return run(arguments, console, errors, settings);
  std::vector<std::string_view> forwarded(arguments.begin(), arguments.end());
  const auto noWarnings = std::find(forwarded.begin(), forwarded.begin() + static_cast<std::ptrdiff_t>(optionCount),
                                    noWarningsOption);
  const bool warnings = noWarnings == forwarded.begin() + static_cast<std::ptrdiff_t>(optionCount);
  if (!warnings) forwarded.erase(noWarnings);
  TellingListener listener(warnings);
  return run(forwarded, console, errors, settings, &listener);
}

}  // namespace qerix
