#include "tools/platform_grades.h"

#include "model/message_catalogue.h"
#include "tools/grade_report.h"

namespace qerix {

namespace {

// The feedback of one data set: the verdict, the records a student may see,
// and the operator rules the answer breaks.
std::string feedbackOf(const Assignment& assignment, const QuestionGrade& question, const DataSetGrade& set) {
  std::string text = verdictLine(assignment, set, Audience::student);
  for (const std::string& line : recordLines(assignment, set, Audience::student)) text += "\n" + line;
  for (const std::string& line : ruleLines(question)) text += "\n" + line;
  return text;
}

}  // namespace

PlatformSubmission platformSubmissionOf(const Assignment& assignment, const SubmissionGrade& grade) {
  PlatformSubmission submission;
  submission.score = grade.points;
  submission.maxScore = grade.maxPoints;
  submission.output = submissionReport(assignment, grade, Audience::student);
  submission.labels.hiddenTest = textOf(Text::hiddenTest);
  for (const QuestionGrade& question : grade.questions) {
    if (question.state == QuestionGrade::State::syntaxError) {
      submission.gradable = false;
      submission.formatErrors.push_back(fieldText(question.question->id) + ": " + stateLine(question));
    }
    for (std::size_t index = 0; index < question.question->dataSets.size(); ++index) {
      const std::size_t set = question.question->dataSets[index];
      PlatformTest& test = submission.tests.emplace_back();
      test.name = fieldText(question.question->id) + ": " + dataSetLabel(assignment, set, Audience::student);
      test.hidden = assignment.dataSets[set].hidden;
      test.maxScore = question.maxPoints / static_cast<double>(question.question->dataSets.size());
      if (question.state != QuestionGrade::State::graded) {
        test.output = stateLine(question);
        continue;
      }
      const DataSetGrade& graded = question.sets[index];
      test.score = graded.points;
      test.passed = graded.accepted && !question.breaksRules();
      test.output = feedbackOf(assignment, question, graded);
    }
  }
  return submission;
}

}  // namespace qerix
