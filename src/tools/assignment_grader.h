#ifndef QERIX_TOOLS_ASSIGNMENT_GRADER_H
#define QERIX_TOOLS_ASSIGNMENT_GRADER_H

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "driver/relation_loader.h"
#include "tools/answer_check.h"
#include "tools/assignment.h"
#include "tools/counterexample_runner.h"

namespace qerix {

// A student's work: a folder that holds an answer file per question (named
// as the question's answer_file), or one answer file for one question.
struct Submission {
  std::string name;  // the student, as reports and gradebooks show it
  std::string path;
  const Question* onlyQuestion = nullptr;  // grade this question alone
  bool isFile = false;                     // `path` is the answer file itself
};

// An answer on one data set.
struct DataSetGrade {
  std::size_t dataSet = 0;  // into Assignment::dataSets
  Verdict verdict;
  bool accepted = false;
  double points = 0;
  double maxPoints = 0;
  FoundCounterexample counterexample;  // for a wrong answer on a visible data set
};

// An answer to one question.
struct QuestionGrade {
  enum class State { graded, noFile, unreadable, empty, syntaxError };

  const Question* question = nullptr;
  State state = State::graded;
  std::string answerPath;
  std::string query;
  std::string message;  // of a syntax error
  std::vector<std::string> forbiddenUsed;
  std::vector<std::string> requiredMissing;
  std::vector<DataSetGrade> sets;  // one per data set of the question, when graded
  std::vector<std::string> warnings;  // what the answer most likely meant otherwise
  bool warningsSeeHiddenData = false;  // found over a hidden data set: for the teacher alone
  double points = 0;
  double maxPoints = 0;

  bool breaksRules() const { return !forbiddenUsed.empty() || !requiredMissing.empty(); }
};

struct SubmissionGrade {
  std::string name;
  std::vector<QuestionGrade> questions;
  double points = 0;
  double maxPoints = 0;
};

// Grades submissions against an assignment: every data set is loaded once,
// every model answer evaluated once on each of its data sets, and every
// answer then on each of its question's data sets, within the question's
// limits. A question's points are split evenly over its data sets: a data
// set whose result is accepted under the question's comparison earns its
// share, unless the answer breaks an operator rule, which earns nothing.
class AssignmentGrader {
 public:
  explicit AssignmentGrader(const Assignment& assignment);

  std::vector<SubmissionGrade> grade(std::span<const Submission> submissions) const;

  const Assignment& getAssignment() const { return assignment; }

 private:
  struct LoadedSet {
    LoadedInput input;
    std::vector<QueryOutcome> models;  // per question; failed when the question does not use the set
  };

  QuestionGrade readAnswer(const Submission& submission, const Question& question) const;
  // Judges an answer's outcomes; where one is wrong on a visible data set,
  // adds the search for its counterexample to `searches`, and where it goes to `places`.
  void judgeAnswer(QuestionGrade& grade, std::span<const QueryOutcome> outcomes,
                   std::vector<CounterexampleJob>& searches, std::vector<DataSetGrade*>& places) const;

  const Assignment& assignment;
  std::vector<LoadedSet> sets;
};

// The submission a command-line argument names: a folder is a student's
// folder, named after it; a file answers `question` (or the assignment's
// only question), named after the file without its extension.
Submission submissionAt(const Assignment& assignment, std::string_view path, const Question* question);

}  // namespace qerix

#endif  // QERIX_TOOLS_ASSIGNMENT_GRADER_H
