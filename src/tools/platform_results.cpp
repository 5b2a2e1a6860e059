#include "tools/platform_results.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string_view>

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

std::string escapedHtml(std::string_view text) {
  std::string html;
  html.reserve(text.size());
  for (const char character : text) {
    switch (character) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      case '\'':
        html += "&#39;";
        break;
      default:
        html += character;
    }
  }
  return html;
}

// Plain text shown as it is: escaped, in a <pre> that keeps its lines.
std::string preformattedHtml(std::string_view text) { return "<pre>" + escapedHtml(text) + "</pre>"; }

// "1.5 / 2": the shortest form of each number.
std::string markText(double score, double maxScore) {
  std::ostringstream text;
  text << finiteScore(score) << " / " << finiteScore(maxScore);
  return text.str();
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

// A combinator template grader answers for the whole question: the fraction
// of the mark, the report as escaped HTML before the table, and a table of
// the tests whose hidden rows only the staff see. Its documented fields have
// no "abort" (that belongs to the per-test grader): an unreadable answer
// gives fraction 0 and its messages in place of the table.
void writeCodeRunnerResults(const PlatformSubmission& submission, std::ostream& out) {
  ordered_json json;
  json["fraction"] = submission.gradable ? fractionOf(submission.score, submission.maxScore) : 0.0;
  std::string prologue;
  if (!submission.formatErrors.empty()) prologue += preformattedHtml(joinedLines(submission.formatErrors));
  if (!submission.output.empty()) prologue += preformattedHtml(submission.output);
  if (!prologue.empty()) json["prologuehtml"] = prologue;
  if (submission.gradable && !submission.tests.empty()) {
    const PlatformLabels& labels = submission.labels;
    ordered_json table = ordered_json::array();
    table.push_back({"iscorrect", labels.test, labels.mark, labels.feedback, "ishidden"});
    for (const PlatformTest& test : submission.tests) {
      table.push_back(
          {test.passed ? 1 : 0, test.name, markText(test.score, test.maxScore), test.output, test.hidden ? 1 : 0});
    }
    json["testresults"] = std::move(table);
  }
  writeJson(json, out);
}

}  // namespace qerix
