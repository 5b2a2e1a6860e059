#include "tools/assignment_grader.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include "inspect/query_warnings.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "tools/answer_file.h"
#include "tools/answer_runner.h"
#include "tools/data_file.h"
#include "tools/operator_use.h"

namespace qerix {

namespace {

}  // namespace

AssignmentGrader::AssignmentGrader(const Assignment& graded) : assignment(graded) {
  for (const DataSetEntry& entry : assignment.dataSets) {
    sets.push_back({loadDataFile(entry.path, assignment.language), {}});
  }
  // The teacher's model is trusted: its limits are only a guard.
  const AnswerLimits modelLimits{3600, std::numeric_limits<std::uint64_t>::max()};
  std::vector<Evaluation> jobs;
  for (const Question& question : assignment.questions) {
    for (const std::size_t set : question.dataSets)
      jobs.push_back({question.model, &sets[set].input.relations, assignment.language, modelLimits});
  }
  std::vector<QueryOutcome> outcomes = evaluateAll(jobs);
  auto next = outcomes.begin();
  for (LoadedSet& set : sets) set.models.resize(assignment.questions.size());
  for (std::size_t question = 0; question < assignment.questions.size(); ++question) {
    for (const std::size_t set : assignment.questions[question].dataSets) {
      // A model that fails grades nothing: the teacher hears of it before any answer is graded.
      if (next->failed || !next->hasResult || next->stoppedBy != QueryOutcome::Limit::none) {
        fatal(textOf(Text::assignmentModelFailsFault,
                     {quotedText(assignment.path), quotedText(assignment.questions[question].id),
                      quotedText(assignment.dataSets[set].name),
                      next->failed ? std::string_view(next->message) : textOf(Text::emptyResultMessage)}));
      }
      sets[set].models[question] = std::move(*next++);
    }
  }
}

QuestionGrade AssignmentGrader::readAnswer(const Submission& submission, const Question& question) const {
  QuestionGrade grade;
  grade.question = &question;
  grade.maxPoints = question.points;
  grade.answerPath = submission.isFile
                         ? submission.path
                         : (std::filesystem::path(submission.path) / question.answerFile).string();
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::path(grade.answerPath), error)) {
    grade.state = QuestionGrade::State::noFile;
    return grade;
  }
  const AnswerText answer = readAnswerFile(grade.answerPath, assignment.language);
  if (answer.state != AnswerText::State::query) {
    grade.state = answer.state == AnswerText::State::empty ? QuestionGrade::State::empty
                                                           : QuestionGrade::State::unreadable;
    return grade;
  }
  grade.query = answer.query;
  std::vector<std::string> used;
  try {
    used = operatorsUsed(grade.query, assignment.language);
  } catch (const FatalError& failure) {
    grade.state = QuestionGrade::State::syntaxError;
    grade.message = failure.what();
    return grade;
  }
  for (const std::string& keyword : question.forbidden) {
    if (std::find(used.begin(), used.end(), keyword) != used.end()) grade.forbiddenUsed.push_back(keyword);
  }
  for (const std::string& keyword : question.required) {
    if (std::find(used.begin(), used.end(), keyword) == used.end()) grade.requiredMissing.push_back(keyword);
  }
  return grade;
}

void AssignmentGrader::judgeAnswer(QuestionGrade& grade, std::span<const QueryOutcome> outcomes,
                                   std::vector<CounterexampleJob>& searches,
                                   std::vector<DataSetGrade*>& places) const {
  const Question& question = *grade.question;
  const std::size_t questionIndex = static_cast<std::size_t>(&question - assignment.questions.data());
  const double share = question.points / static_cast<double>(question.dataSets.size());
  // `places` points into the sets: they must not move once taken.
  grade.sets.reserve(question.dataSets.size());
  for (std::size_t index = 0; index < question.dataSets.size(); ++index) {
    DataSetGrade& set = grade.sets.emplace_back();
    set.dataSet = question.dataSets[index];
    set.verdict = judge(sets[set.dataSet].models[questionIndex], outcomes[index]);
    set.accepted = isAccepted(set.verdict, question.comparison);
    set.maxPoints = share;
    set.points = set.accepted && !grade.breaksRules() ? share : 0;
    grade.points += set.points;
    // A limit, or a model that fails, leaves nothing to shrink.
    const Verdict::Kind kind = set.verdict.kind;
    if (set.accepted || assignment.dataSets[set.dataSet].hidden || kind == Verdict::Kind::modelFailed ||
        kind == Verdict::Kind::timeLimit || kind == Verdict::Kind::recordLimit) {
      continue;
    }
    searches.push_back({question.model, grade.query, &sets[set.dataSet].input.relations, assignment.language,
                        question.comparison, question.limits});
    places.push_back(&set);
  }
  const bool allAccepted =
      std::all_of(grade.sets.begin(), grade.sets.end(), [](const DataSetGrade& set) { return set.accepted; });
  // Only where the answer is wrong: a right answer needs no hint.
  if (!allAccepted || grade.breaksRules()) {
    // Warnings may quote values: they look at a visible data set where there is one.
    const auto visible = std::find_if(question.dataSets.begin(), question.dataSets.end(),
                                      [&](std::size_t set) { return !assignment.dataSets[set].hidden; });
    grade.warningsSeeHiddenData = visible == question.dataSets.end();
    grade.warnings = findQueryWarnings(grade.query, sets[grade.warningsSeeHiddenData ? question.dataSets.front() : *visible].input.relations,
                                       assignment.language, false);
  }
}

std::vector<SubmissionGrade> AssignmentGrader::grade(std::span<const Submission> submissions) const {
  std::vector<SubmissionGrade> grades;
  std::vector<Evaluation> jobs;
  for (const Submission& submission : submissions) {
    SubmissionGrade& graded = grades.emplace_back();
    graded.name = submission.name;
    for (const Question& question : assignment.questions) {
      if (submission.onlyQuestion && submission.onlyQuestion != &question) continue;
      QuestionGrade& answer = graded.questions.emplace_back(readAnswer(submission, question));
      graded.maxPoints += question.points;
      if (answer.state != QuestionGrade::State::graded) continue;
      for (const std::size_t set : question.dataSets) {
        jobs.push_back({answer.query, &sets[set].input.relations, assignment.language, question.limits});
      }
    }
  }
  // Every answer on every data set at once, then judged in the same order.
  const std::vector<QueryOutcome> outcomes = evaluateAll(jobs);
  std::size_t next = 0;
  std::vector<CounterexampleJob> searches;
  std::vector<DataSetGrade*> places;
  for (SubmissionGrade& graded : grades) {
    for (QuestionGrade& answer : graded.questions) {
      if (answer.state != QuestionGrade::State::graded) continue;
      const std::size_t count = answer.question->dataSets.size();
      judgeAnswer(answer, std::span(outcomes).subspan(next, count), searches, places);
      next += count;
      graded.points += answer.points;
    }
  }
  // The searches at once too, as the answers ran.
  std::vector<FoundCounterexample> found = findCounterexamples(searches);
  for (std::size_t search = 0; search < found.size(); ++search) places[search]->counterexample = std::move(found[search]);
  return grades;
}

Submission submissionAt(const Assignment& assignment, std::string_view path, const Question* question) {
  const std::filesystem::path place(path);
  std::error_code error;
  if (std::filesystem::is_directory(place, error)) {
    const std::filesystem::path name = place.filename().empty() ? place.parent_path().filename() : place.filename();
    return {name.string(), std::string(path), question, false};
  }
  if (!question && assignment.questions.size() == 1) question = &assignment.questions.front();
  // Which question a lone file answers must be said when there are several.
  if (!question) fatal(textOf(Text::checkUsageMessage));
  return {place.stem().string(), std::string(path), question, true};
}

}  // namespace qerix
