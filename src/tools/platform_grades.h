#ifndef QERIX_TOOLS_PLATFORM_GRADES_H
#define QERIX_TOOLS_PLATFORM_GRADES_H

#include "tools/assignment_grader.h"
#include "tools/platform_results.h"

namespace qerix {

// A graded submission as the grading platforms get it: a test per question
// and data set, worth that data set's share of the question's points, with
// the student's feedback (never a hidden data set's records or name); the
// student's report as the whole output. An answer that cannot be read as a
// query makes the submission not gradable, its message a format error.
PlatformSubmission platformSubmissionOf(const Assignment& assignment, const SubmissionGrade& grade);

}  // namespace qerix

#endif  // QERIX_TOOLS_PLATFORM_GRADES_H
