#ifndef QERIX_TOOLS_ASSIGNMENT_COMMAND_H
#define QERIX_TOOLS_ASSIGNMENT_COMMAND_H

#include <iosfwd>
#include <span>
#include <string_view>

namespace qerix {

// Whether the arguments ask for grading against an assignment file.
bool asksForAssignment(std::span<const std::string_view> arguments);

// `qerix-check --assignment <file> [-x] [--lang en|hu] [--student]
// [--question <id>] [--gradebook <file>] [--counterexamples <folder>]
// [--format gradescope|prairielearn|coderunner] <submission>...`: grades
// each submission (a student's folder, or one answer file) and writes the
// teacher's or the student's report, or with --format the platform's result
// file, on `console`. Returns 0 when every answer earned its full points (or
// the platform's file was written), 1 otherwise; a fault ends the run with
// one message (a FatalError).
int gradeAssignment(std::span<const std::string_view> arguments, std::ostream& console);

}  // namespace qerix

#endif  // QERIX_TOOLS_ASSIGNMENT_COMMAND_H
