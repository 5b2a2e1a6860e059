#ifndef QERIX_TOOLS_ANSWER_RUNNER_H
#define QERIX_TOOLS_ANSWER_RUNNER_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/relation.h"
#include "query/expression_parser.h"
#include "tools/answer_check.h"
#include "tools/answer_rules.h"

namespace qerix {

// One query to evaluate over one data set's relations, within limits. The
// query and relations outlive the evaluation.
struct Evaluation {
  std::string_view query;
  const RelationList* relations = nullptr;
  QueryLanguage language = QueryLanguage::basic;
  AnswerLimits limits;
};

// Evaluates many answers at once, each within its limits: natively each in a
// child process of its own, up to `workers` at once (0: one per core), each
// on one thread since the children fill the cores. A child past its time is
// killed (an outcome stopped by the time limit); one that dies otherwise
// gets a failed outcome that says how. Call it with no other thread running.
// Hands each outcome to `onOutcome` with its job's index as soon as it is
// known, in whatever order the jobs end, so that a caller may keep less than
// every result at once.
void evaluateEach(std::span<const Evaluation> jobs, unsigned workers,
                  const std::function<void(std::size_t index, QueryOutcome outcome)>& onOutcome);

// The outcomes in job order.
std::vector<QueryOutcome> evaluateAll(std::span<const Evaluation> jobs, unsigned workers = 0);

// Reads every relation of the lists into memory, each list once: records left
// in an input file would otherwise be read again, into fresh buffers, by every
// child process that works on them.
void readIntoMemoryOnce(std::span<const RelationList* const> lists);

// The limits as a command line gives them; nothing for a text that is none.
// Seconds: a decimal number above 0 and at most a million, such as "2" or
// "0.5". Records: a whole number above 0.
std::optional<double> readTimeLimit(std::string_view text);
std::optional<std::uint64_t> readRecordLimit(std::string_view text);

}  // namespace qerix

#endif  // QERIX_TOOLS_ANSWER_RUNNER_H
