#ifndef QERIX_TOOLS_PLATFORM_RESULTS_H
#define QERIX_TOOLS_PLATFORM_RESULTS_H

#include <ostream>
#include <string>
#include <vector>

namespace qerix {

// One graded test: a question on one data set. The texts are already safe to
// show the student (a hidden test's output says no more than its verdict).
struct PlatformTest {
  std::string name;
  double score = 0;
  double maxScore = 0;
  bool hidden = false;  // counts towards the score, but the student never sees it
  bool passed = false;
  std::string output;  // feedback text, plain (never markup)
};

// The words the writers put around the caller's texts, in the report's
// language: the name PrairieLearn shows for a hidden test ("<hiddenTest> 3"),
// as it cannot hide one.
struct PlatformLabels {
  std::string hiddenTest = "Hidden test";
};

// A graded submission, as every grading platform gets it. The writers turn
// it into that platform's result file; texts are UTF-8, and bytes that are
// not are written as U+FFFD rather than stopping the writer.
struct PlatformSubmission {
  double score = 0;
  double maxScore = 0;
  bool gradable = true;                   // false: an answer could not be read as a query; costs no attempt
  std::vector<std::string> formatErrors;  // one message per unreadable answer; the writers show them
  std::string output;                     // the student's report, as text (without the formatErrors)
  std::vector<PlatformTest> tests;
  PlatformLabels labels;
};

// /autograder/results/results.json of the Gradescope autograder.
void writeGradescopeResults(const PlatformSubmission& submission, std::ostream& out);
// /grade/results/results.json of a PrairieLearn external grader.
void writePrairieLearnResults(const PlatformSubmission& submission, std::ostream& out);
// What a CodeRunner per-test template grader prints.
void writeCodeRunnerResults(const PlatformSubmission& submission, std::ostream& out);

}  // namespace qerix

#endif  // QERIX_TOOLS_PLATFORM_RESULTS_H
