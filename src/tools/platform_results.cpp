#include "tools/platform_results.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

namespace qerix {

namespace {

using nlohmann::ordered_json;

// The platforms read the file as UTF-8: a byte that is not is written as
// U+FFFD, so a stray byte in an answer never stops the writer.
void writeJson(const ordered_json& json, std::ostream& out) {
  out << json.dump(2, ' ', false, ordered_json::error_handler_t::replace) << '\n';
}

// JSON has no NaN or infinity (nlohmann writes null): a broken score is 0.
double finiteScore(double score) { return std::isfinite(score) ? score : 0; }

// The share of the points earned, in [0, 1]; 0 when there are no points.
double fractionOf(double score, double maxScore) {
  score = finiteScore(score);
  maxScore = finiteScore(maxScore);
  if (maxScore <= 0) return 0;
  return std::clamp(score / maxScore, 0.0, 1.0);
}

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

// The report with the messages of the unreadable answers in front, for the
// platforms that show no such messages of their own.
std::string outputWithFormatErrors(const PlatformSubmission& submission) {
  if (submission.formatErrors.empty()) return submission.output;
  std::string text = joinedLines(submission.formatErrors);
  if (!submission.output.empty()) text += "\n\n" + submission.output;
  return text;
}

}  // namespace

// Every text is marked "text", so that neither the report nor an answer
// quoted in it is read as HTML (the top level's own default renders HTML).
// A hidden test still counts towards the score; Gradescope shows its name
// and output to the staff only.
void writeGradescopeResults(const PlatformSubmission& submission, std::ostream& out) {
  ordered_json json;
  json["score"] = finiteScore(submission.score);
  json["output"] = outputWithFormatErrors(submission);
  json["output_format"] = "text";
  json["test_output_format"] = "text";
  json["test_name_format"] = "text";
  json["stdout_visibility"] = "hidden";
  ordered_json tests = ordered_json::array();
  for (const PlatformTest& test : submission.tests) {
    ordered_json written;
    written["name"] = test.name;
    written["score"] = finiteScore(test.score);
    written["max_score"] = finiteScore(test.maxScore);
    written["status"] = test.passed ? "passed" : "failed";
    written["output"] = test.output;
    written["visibility"] = test.hidden ? "hidden" : "visible";
    tests.push_back(std::move(written));
  }
  json["tests"] = std::move(tests);
  writeJson(json, out);
}

// PrairieLearn can hide no test from the student: a hidden test is shown
// under a numbered generic name, with its points and nothing else. An
// unreadable answer makes the submission not gradable: PrairieLearn then
// shows the messages, awards nothing and counts no attempt, so no score or
// tests are written.
void writePrairieLearnResults(const PlatformSubmission& submission, std::ostream& out) {
  ordered_json json;
  json["gradable"] = submission.gradable;
  if (!submission.gradable) {
    json["format_errors"] = submission.formatErrors;
    if (!submission.output.empty()) json["output"] = submission.output;
    writeJson(json, out);
    return;
  }
  json["score"] = fractionOf(submission.score, submission.maxScore);
  if (!submission.output.empty()) json["output"] = submission.output;
  ordered_json tests = ordered_json::array();
  std::size_t hiddenCount = 0;
  for (const PlatformTest& test : submission.tests) {
    ordered_json written;
    if (test.hidden) {
      written["name"] = submission.labels.hiddenTest + " " + std::to_string(++hiddenCount);
    } else {
      written["name"] = test.name;
    }
    written["points"] = finiteScore(test.score);
    written["max_points"] = finiteScore(test.maxScore);
    if (!test.hidden) written["output"] = test.output;
    tests.push_back(std::move(written));
  }
  json["tests"] = std::move(tests);
  writeJson(json, out);
}

// A per-test template grader prints one row of CodeRunner's result table,
// whose mark is the fraction times the test's mark. That row holds the whole
// report: the test list is not written, so a hidden test shows no more than
// the caller put in the output. An unreadable answer aborts the testing, so
// no further test case of the question runs on it.
void writeCodeRunnerResults(const PlatformSubmission& submission, std::ostream& out) {
  ordered_json json;
  json["fraction"] = submission.gradable ? fractionOf(submission.score, submission.maxScore) : 0.0;
  json["got"] = outputWithFormatErrors(submission);
  json["abort"] = !submission.gradable;
  writeJson(json, out);
}

}  // namespace qerix
