#ifndef QERIX_TOOLS_COUNTEREXAMPLE_RUNNER_H
#define QERIX_TOOLS_COUNTEREXAMPLE_RUNNER_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/relation.h"
#include "query/expression_parser.h"
#include "tools/answer_rules.h"

namespace qerix {

// One wrong answer to search a counterexample for, on one data set.
struct CounterexampleJob {
  std::string_view model;
  std::string_view answer;
  const RelationList* data = nullptr;
  QueryLanguage language = QueryLanguage::basic;
  Comparison comparison = Comparison::bytes;
  AnswerLimits limits;
};

// A search's end, as a report shows it.
struct FoundCounterexample {
  bool found = false;
  bool written = true;   // false: `text` says why no input file can show it
  bool minimal = true;   // false: time ran out before no record could go
  std::string text;      // the input file
  std::string answerResult;  // both outcomes on it, as lines: a result, or the message
  std::string modelResult;
};

// Searches every job's counterexample (findCounterexample, written by
// counterexampleInput), natively in child processes as the answers run, up
// to `workers` at once (0: one per core), each stopped past twice its time
// limit; the WebAssembly build searches one after another. In job order.
std::vector<FoundCounterexample> findCounterexamples(std::span<const CounterexampleJob> jobs, unsigned workers = 0);

}  // namespace qerix

#endif  // QERIX_TOOLS_COUNTEREXAMPLE_RUNNER_H
