#include "tools/assignment_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "driver/run.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "tools/assignment_grader.h"
#include "tools/grade_report.h"
#include "tools/platform_grades.h"

namespace qerix {

namespace {

struct AssignmentRequest {
  std::string_view assignment;
  bool extended = false;
  Audience audience = Audience::teacher;
  std::optional<std::string_view> question;
  std::optional<std::string_view> gradebook;
  std::optional<std::string_view> counterexamples;
  std::optional<std::string_view> format;
  std::vector<std::string_view> submissions;
};

AssignmentRequest readArguments(std::span<const std::string_view> arguments) {
  // Each check starts in the programs' own language, whatever ran before it.
  applyLanguageOption(arguments);
  AssignmentRequest request;
  bool languageGiven = false;
  auto valueAfter = [&](std::size_t& index, std::optional<std::string_view>& value) {
    if (value || index + 1 == arguments.size()) fatal(textOf(Text::checkUsageMessage));
    value = arguments[++index];
  };
  std::optional<std::string_view> assignment;
  // Options may stand before and after the submissions, as teachers add them.
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    const std::string_view option = arguments[index];
    if (!option.starts_with("-")) {
      request.submissions.push_back(option);
    } else if (option == "--assignment") {
      valueAfter(index, assignment);
    } else if (isExtendedOption(option) && !request.extended) {
      request.extended = true;
    } else if (option == "--lang" && !languageGiven && index + 1 < arguments.size() &&
               languageNamed(arguments[index + 1])) {
      languageGiven = true;
      ++index;
    } else if (option == "--student" && request.audience == Audience::teacher) {
      request.audience = Audience::student;
    } else if (option == "--question") {
      valueAfter(index, request.question);
    } else if (option == "--gradebook") {
      valueAfter(index, request.gradebook);
    } else if (option == "--counterexamples") {
      valueAfter(index, request.counterexamples);
    } else if (option == "--format") {
      valueAfter(index, request.format);
      if (*request.format != "gradescope" && *request.format != "prairielearn" && *request.format != "coderunner")
        fatal(textOf(Text::checkUsageMessage));
    } else {
      fatal(textOf(Text::checkUsageMessage));
    }
  }
  if (!assignment || request.submissions.empty()) fatal(textOf(Text::checkUsageMessage));
  if (request.format && request.submissions.size() > 1)
    fatal(textOf(Text::oneSubmissionMessage), request.submissions[1]);
  request.assignment = *assignment;
  return request;
}

// The counterexamples as input files of their own, named after the
// submission, the question and the data set.
void writeCounterexamples(const Assignment& assignment, std::span<const SubmissionGrade> grades,
                          std::string_view folder) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(folder), error);
  for (const SubmissionGrade& grade : grades) {
    for (const QuestionGrade& question : grade.questions) {
      for (const DataSetGrade& set : question.sets) {
        if (!set.counterexample.found || !set.counterexample.written) continue;
        const std::string name =
            grade.name + "-" + question.question->id + "-" + assignment.dataSets[set.dataSet].name + ".txt";
        const std::filesystem::path path = std::filesystem::path(folder) / std::filesystem::path(name).filename();
        std::ofstream file(path, std::ios::binary);
        file << set.counterexample.text;
        if (!file.flush()) fatal(textOf(Text::fileWriteFailedMessage), path.string());
      }
    }
  }
}

// A gradebook must not overwrite what the grading reads.
void refuseInputAsOutput(const Assignment& assignment, std::span<const Submission> submissions,
                         std::string_view output) {
  std::vector<std::string_view> inputs{assignment.path};
  for (const DataSetEntry& set : assignment.dataSets) inputs.push_back(set.path);
  for (const Submission& submission : submissions) inputs.push_back(submission.path);
  std::error_code error;
  for (const std::string_view input : inputs) {
    if (std::filesystem::equivalent(std::filesystem::path(input), std::filesystem::path(output), error))
      fatal(textOf(Text::sameFileMessage), output);
  }
}

}  // namespace

bool asksForAssignment(std::span<const std::string_view> arguments) {
  return std::find(arguments.begin(), arguments.end(), "--assignment") != arguments.end();
}

int gradeAssignment(std::span<const std::string_view> arguments, std::ostream& console) {
  const AssignmentRequest request = readArguments(arguments);
  Assignment assignment = readAssignment(request.assignment);
  if (request.extended) assignment.language = QueryLanguage::extended;
  const Question* question = nullptr;
  if (request.question) {
    question = assignment.findQuestion(*request.question);
    if (!question) fatal(textOf(Text::noSuchQuestionMessage), *request.question);
  }
  std::vector<Submission> submissions;
  for (const std::string_view path : request.submissions) submissions.push_back(submissionAt(assignment, path, question));

  const AssignmentGrader grader(assignment);
  const std::vector<SubmissionGrade> grades = grader.grade(submissions);
  if (request.gradebook) {
    refuseInputAsOutput(assignment, submissions, *request.gradebook);
    std::ofstream book(std::filesystem::path(*request.gradebook), std::ios::binary);
    writeGradebook(grades, std::filesystem::path(*request.gradebook).extension() == ".csv", book);
    if (!book.flush()) fatal(textOf(Text::fileWriteFailedMessage), *request.gradebook);
  }
  if (request.counterexamples) writeCounterexamples(assignment, grades, *request.counterexamples);
  if (request.format) {
    const PlatformSubmission submission = platformSubmissionOf(assignment, grades.front());
    if (*request.format == "gradescope") writeGradescopeResults(submission, console);
    if (*request.format == "prairielearn") writePrairieLearnResults(submission, console);
    if (*request.format == "coderunner") writeCodeRunnerResults(submission, console);
  } else {
    writeGradeReport(assignment, grades, request.audience, console);
  }
  console.flush();
  if (!console) fatal(textOf(Text::checkWriteFailedMessage));
  // The platform reads the verdict from the file; a failing grader would be its fault.
  if (request.format) return 0;
  return std::all_of(grades.begin(), grades.end(),
                     [](const SubmissionGrade& grade) { return grade.points + 1e-9 >= grade.maxPoints; })
             ? 0
             : 1;
}

}  // namespace qerix
