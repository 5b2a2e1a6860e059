#ifndef QERIX_TOOLS_ANSWER_RULES_H
#define QERIX_TOOLS_ANSWER_RULES_H

#include <cstdint>

#include "tools/answer_check.h"

namespace qerix {

// How an answer's result must stand to the model's to be right: the same
// bytes as qerix writes; the same records in any order (and under any
// relation name); or the same set of records (duplicates aside too).
enum class Comparison { bytes, records, set };

// What one answer may spend on one data set. An answer past either limit is
// stopped there and gets a verdict that names the limit.
struct AnswerLimits {
  double seconds = 2.0;               // wall-clock time of the evaluation
  std::uint64_t records = 1'000'000;  // records of any one operator's result
};

// Whether a verdict counts as right under a comparison.
bool isAccepted(const Verdict& verdict, Comparison comparison);

}  // namespace qerix

#endif  // QERIX_TOOLS_ANSWER_RULES_H
