#ifndef QERIX_TOOLS_COUNTEREXAMPLE_H
#define QERIX_TOOLS_COUNTEREXAMPLE_H

#include <optional>
#include <string_view>

#include "model/relation.h"
#include "query/expression_parser.h"
#include "tools/answer_check.h"
#include "tools/answer_rules.h"

namespace qerix {

// A small data set on which an answer still gives another result than the
// model answer: every relation of the data set, in its order, each with some
// of its records in their order.
struct Counterexample {
  RelationList relations;
  QueryOutcome model;   // both outcomes over these relations
  QueryOutcome answer;
  // Whether no single record can be taken away without the two agreeing (or
  // the model failing): false when the search ran out of time first.
  bool minimal = true;
};

// Takes records away from `data` for as long as the answer's outcome is still
// not accepted against the model's under `comparison` while the model itself
// gives an outcome without failing (an answer that fails still differs).
// Whole relations first, then ever smaller runs of records across the
// relations, then record by record until no single one can go. The whole
// search takes about `limits.seconds` at most: then the smallest data set
// found so far is given, not known to be minimal. Nothing when the two
// agree, or the model fails, on `data` itself.
std::optional<Counterexample> findCounterexample(std::string_view model, std::string_view answer,
                                                 const RelationList& data, QueryLanguage language,
                                                 Comparison comparison, const AnswerLimits& limits);

}  // namespace qerix

#endif  // QERIX_TOOLS_COUNTEREXAMPLE_H
