#include "tools/grade_report.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "model/fatal_error.h"
#include "model/message_catalogue.h"

namespace qerix {

namespace {

constexpr std::string_view indent = "  ";

std::string joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : ", ") + word;
  return text;
}

void writeIndented(std::string_view text, std::string_view prefix, std::ostream& out) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    // An empty line stays empty: no blanks at the end of a line.
    out << (line.empty() ? "" : prefix) << line << '\n';
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
}

void writeCounterexample(const FoundCounterexample& example, std::ostream& out) {
  const std::string prefix = std::string(indent) + std::string(indent) + std::string(indent);
  if (!example.written) {
    out << indent << indent << example.text << '\n';
    return;
  }
  out << indent << indent << textOf(Text::counterexampleIntro);
  if (!example.minimal) out << ' ' << textOf(Text::counterexampleNotSmallest);
  out << '\n';
  writeIndented(example.text, prefix, out);
  out << indent << indent << textOf(Text::answerResult) << '\n';
  writeIndented(example.answerResult, prefix, out);
  out << indent << indent << textOf(Text::modelResult) << '\n';
  writeIndented(example.modelResult, prefix, out);
}

}  // namespace

std::string stateLine(const QuestionGrade& grade) {
  switch (grade.state) {
    case QuestionGrade::State::noFile:
      return textOf(Text::verdictNoAnswerFile, {quotedText(grade.question->answerFile)});
    case QuestionGrade::State::unreadable:
      return std::string(textOf(Text::unreadableAnswer));
    case QuestionGrade::State::empty:
      return std::string(textOf(Text::verdictEmptyAnswer));
    case QuestionGrade::State::syntaxError:
      return textOf(Text::verdictSyntaxError, {grade.message});
    case QuestionGrade::State::graded:
      break;
  }
  return "";
}

namespace {

void writeQuestion(const Assignment& assignment, const QuestionGrade& grade, Audience audience, std::ostream& out) {
  const Question& question = *grade.question;
  out << indent
      << textOf(Text::questionPoints,
                {fieldText(question.id), pointsText(grade.points), pointsText(grade.maxPoints)});
  if (!question.title.empty()) out << " (" << fieldText(question.title) << ')';
  out << '\n';
  if (grade.state != QuestionGrade::State::graded) {
    out << indent << indent << stateLine(grade) << '\n';
    return;
  }
  for (const DataSetGrade& set : grade.sets) {
    out << indent << indent << dataSetLabel(assignment, set.dataSet, audience) << ": "
        << verdictLine(assignment, set, audience) << '\n';
    for (const std::string& line : recordLines(assignment, set, audience))
      out << indent << indent << indent << line << '\n';
  }
  for (const std::string& line : ruleLines(grade)) out << indent << indent << line << '\n';
  if (audience == Audience::teacher || !grade.warningsSeeHiddenData) {
    for (const std::string& warning : grade.warnings) out << indent << indent << warning << '\n';
  }
  for (const DataSetGrade& set : grade.sets) {
    if (set.counterexample.found) writeCounterexample(set.counterexample, out);
  }
}

void writeSubmission(const Assignment& assignment, const SubmissionGrade& grade, Audience audience,
                     std::ostream& out) {
  out << fieldText(grade.name) << '\n';
  for (const QuestionGrade& question : grade.questions) writeQuestion(assignment, question, audience, out);
  out << indent << textOf(Text::totalPoints, {pointsText(grade.points), pointsText(grade.maxPoints)}) << '\n';
}

// A row per submission, a column per question and one for the total, each
// as wide as its widest cell.
void writeSummary(const Assignment& assignment, std::span<const SubmissionGrade> grades, std::ostream& out) {
  std::vector<std::vector<std::string>> rows{{std::string(textOf(Text::studentColumn))}};
  for (const Question& question : assignment.questions) rows[0].push_back(fieldText(question.id));
  rows[0].emplace_back(textOf(Text::pointsColumn));
  for (const SubmissionGrade& grade : grades) {
    std::vector<std::string>& row = rows.emplace_back(std::vector<std::string>{fieldText(grade.name)});
    for (const Question& question : assignment.questions) {
      const auto found = std::find_if(grade.questions.begin(), grade.questions.end(),
                                      [&](const QuestionGrade& each) { return each.question == &question; });
      row.push_back(found == grade.questions.end() ? "-" : pointsText(found->points));
    }
    row.push_back(pointsText(grade.points));
  }
  std::vector<std::size_t> widths(rows[0].size(), 0);
  for (const auto& row : rows) {
    for (std::size_t column = 0; column < row.size(); ++column)
      widths[column] = std::max(widths[column], row[column].size());
  }
  out << '\n' << textOf(Text::summary) << ":\n";
  for (const auto& row : rows) {
    for (std::size_t column = 0; column + 1 < row.size(); ++column)
      out << row[column] << std::string(widths[column] - row[column].size() + 2, ' ');
    out << row.back() << '\n';
  }
}

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string field = "\"";
  for (const char byte : text) {
    if (byte == '"') field += '"';
    field += byte;
  }
  return field + '"';
}

}  // namespace

std::string fieldText(std::string_view name) {
  std::string field;
  for (const char byte : name) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 0x20 && code != 0x7F) {
      field += byte;
    } else {
      appendEscapedByte(field, code);
    }
  }
  return field;
}

std::string pointsText(double points) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", points);
  std::string shown(text);
  while (shown.back() == '0') shown.pop_back();
  if (shown.back() == '.') shown.pop_back();
  return shown == "-0" ? "0" : shown;
}

std::string dataSetLabel(const Assignment& assignment, std::size_t set, Audience audience) {
  if (audience == Audience::teacher || !assignment.dataSets[set].hidden) return fieldText(assignment.dataSets[set].name);
  // Hidden sets are numbered among themselves, in the assignment's order.
  std::size_t number = 0;
  for (std::size_t each = 0; each <= set; ++each) number += assignment.dataSets[each].hidden ? 1 : 0;
  return textOf(Text::hiddenDataSet, {std::to_string(number)});
}

std::string verdictLine(const Assignment& assignment, const DataSetGrade& set, Audience audience) {
  if (audience == Audience::teacher || !assignment.dataSets[set.dataSet].hidden) return describe(set.verdict);
  // Headers, messages and relation names may quote the hidden data.
  switch (set.verdict.kind) {
    case Verdict::Kind::otherName:
    case Verdict::Kind::otherAttributes:
      return std::string(textOf(Text::verdictHiddenAttributes));
    case Verdict::Kind::answerFailed:
      return std::string(textOf(Text::verdictHiddenFailure));
    case Verdict::Kind::modelFailed:
      return std::string(textOf(Text::verdictHiddenModelFailure));
    case Verdict::Kind::noResult:
      return std::string(textOf(Text::shortNone));
    default:
      return describe(set.verdict);
  }
}

std::vector<std::string> recordLines(const Assignment& assignment, const DataSetGrade& set, Audience audience) {
  std::vector<std::string> lines;
  if (audience == Audience::student && assignment.dataSets[set.dataSet].hidden) return lines;
  for (const std::string& record : set.verdict.missing)
    lines.push_back(std::string(textOf(Text::missingRecord)) + ": " + record);
  for (const std::string& record : set.verdict.surplus)
    lines.push_back(std::string(textOf(Text::surplusRecord)) + ": " + record);
  return lines;
}

std::vector<std::string> ruleLines(const QuestionGrade& grade) {
  std::vector<std::string> lines;
  if (!grade.forbiddenUsed.empty()) lines.push_back(textOf(Text::forbiddenOperators, {joined(grade.forbiddenUsed)}));
  if (!grade.requiredMissing.empty()) lines.push_back(textOf(Text::requiredOperators, {joined(grade.requiredMissing)}));
  return lines;
}

std::string_view questionVerdict(const QuestionGrade& grade, Language language) {
  switch (grade.state) {
    case QuestionGrade::State::noFile:
      return textOf(Text::shortNoAnswerFile, language);
    case QuestionGrade::State::unreadable:
      return textOf(Text::shortUnreadable, language);
    case QuestionGrade::State::empty:
      return textOf(Text::shortEmptyAnswer, language);
    case QuestionGrade::State::syntaxError:
      return textOf(Text::shortSyntaxError, language);
    case QuestionGrade::State::graded:
      break;
  }
  if (!grade.forbiddenUsed.empty()) return textOf(Text::shortForbidden, language);
  if (!grade.requiredMissing.empty()) return textOf(Text::shortRequired, language);
  for (const DataSetGrade& set : grade.sets) {
    if (!set.accepted) return shortName(set.verdict.kind, language);
  }
  return textOf(Text::correctColumn, language);
}

std::string submissionReport(const Assignment& assignment, const SubmissionGrade& grade, Audience audience) {
  std::ostringstream out;
  writeSubmission(assignment, grade, audience, out);
  return out.str();
}

void writeGradeReport(const Assignment& assignment, std::span<const SubmissionGrade> grades, Audience audience,
                      std::ostream& out) {
  for (const SubmissionGrade& grade : grades) writeSubmission(assignment, grade, audience, out);
  if (audience == Audience::teacher) writeSummary(assignment, grades, out);
}

void writeGradebook(std::span<const SubmissionGrade> grades, bool csv, std::ostream& out) {
  const char separator = csv ? ',' : '\t';
  auto field = [csv](std::string_view text) { return csv ? csvField(text) : fieldText(text); };
  out << "student" << separator << "question" << separator << "points" << separator << "max_points" << separator
      << "verdict\n";
  for (const SubmissionGrade& grade : grades) {
    for (const QuestionGrade& question : grade.questions) {
      out << field(grade.name) << separator << field(question.question->id) << separator
          << pointsText(question.points) << separator << pointsText(question.maxPoints) << separator
          << field(questionVerdict(question, Language::english)) << '\n';
    }
  }
}

}  // namespace qerix
