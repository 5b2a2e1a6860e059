#ifndef QERIX_TOOLS_GRADE_REPORT_H
#define QERIX_TOOLS_GRADE_REPORT_H

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/message_catalogue.h"
#include "tools/assignment_grader.h"

namespace qerix {

// Who reads a report. The teacher sees everything; a student sees the
// verdicts and the feedback, but of a hidden data set neither its records
// nor its file's or data set's name, nor a message that could quote them.
enum class Audience { teacher, student };

// A report per submission (each question's points, its verdict per data
// set, missing and surplus records, operator rules, warnings and the
// counterexample) and, for the teacher, a summary table of the points.
void writeGradeReport(const Assignment& assignment, std::span<const SubmissionGrade> grades, Audience audience,
                      std::ostream& out);

// One submission's report for `audience`, as a platform shows it.
std::string submissionReport(const Assignment& assignment, const SubmissionGrade& grade, Audience audience);

// A gradebook line per submission and question: student, question, points,
// max_points, verdict. Comma-separated with quotes where a field needs them
// (`csv`), or tab-separated with control bytes written as \xNN. The verdict
// is the English word whatever the run's language, so that sheets read alike.
void writeGradebook(std::span<const SubmissionGrade> grades, bool csv, std::ostream& out);

// How a data set is named for `audience`: a hidden one as "hidden data set 2".
std::string dataSetLabel(const Assignment& assignment, std::size_t set, Audience audience);

// What one data set's verdict says to `audience`, in one line.
std::string verdictLine(const Assignment& assignment, const DataSetGrade& set, Audience audience);

// What stands in place of the verdicts of an answer that was not graded:
// no file, an unreadable file, no query, or the syntax error's message.
std::string stateLine(const QuestionGrade& grade);

// Under a data set's verdict: its missing and surplus records, none of a
// hidden data set for a student.
std::vector<std::string> recordLines(const Assignment& assignment, const DataSetGrade& set, Audience audience);

// Under a question's verdicts: the operator rules the answer breaks.
std::vector<std::string> ruleLines(const QuestionGrade& grade);

// A question's verdict in a word: "correct" when every data set is
// accepted and no rule is broken, else what went wrong first.
std::string_view questionVerdict(const QuestionGrade& grade, Language language);

// A name as one field of one line of a report or gradebook: control bytes
// (a tab, a line end) written as \xNN.
std::string fieldText(std::string_view name);

// Points as people write them: "2", "1.5", "0.67".
std::string pointsText(double points);

}  // namespace qerix

#endif  // QERIX_TOOLS_GRADE_REPORT_H
