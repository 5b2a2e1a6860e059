#ifndef QERIX_TOOLS_ANSWER_CHECK_H
#define QERIX_TOOLS_ANSWER_CHECK_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/message_catalogue.h"
#include "model/relation.h"
#include "query/expression_parser.h"

namespace qerix {

// What a query gives over a set of loaded relations, as a run of qerix
// would give it: the message that ended the run, or the result (none, or its
// header line and record lines in the result format). Or, for a grader that
// set limits, the limit that stopped it, with no result.
struct QueryOutcome {
  enum class Limit { none, time, records };

  Limit stoppedBy = Limit::none;
  std::string limit;  // the limit that stopped it, as its verdict names it ("2", "1000000")
  bool failed = false;
  std::string message;
  bool hasResult = false;
  std::string header;
  std::vector<std::string> records;
};

// Evaluates a query text over relations loaded once for many queries; the
// relations never change. Planned and parallel, as qerix runs it, unless
// `parallel` is off; with a record limit, a result past it stops the
// evaluation with an outcome that says so.
QueryOutcome evaluateQuery(std::string_view query, const RelationList& relations, QueryLanguage language,
                           std::optional<std::uint64_t> recordLimit = std::nullopt, bool parallel = true);

// How an answer's outcome stands against the model answer's on one data set.
struct Verdict {
  enum class Kind {
    same,              // the same bytes as qerix would write
    otherOrder,        // the same records in another order
    otherDuplicates,   // the same records, some of them more or less often
    otherName,         // the same records under another relation name
    otherAttributes,   // another header
    otherRecords,      // records missing or surplus
    answerFailed,      // the answer ended the run
    noResult,          // the answer has no result, the model has one
    unexpectedResult,  // the answer has a result, the model none
    modelFailed,       // the model answer itself ended the run
    timeLimit,         // the answer was stopped at the time limit
    recordLimit,       // a result of the answer grew past the record limit
  };

  Kind kind = Kind::same;
  std::string expectedHeader;  // for otherAttributes
  std::string actualHeader;
  std::size_t missingCount = 0;  // for otherRecords
  std::size_t surplusCount = 0;
  std::vector<std::string> missing;  // the first ten of each, in the result format
  std::vector<std::string> surplus;
  std::string message;  // of a run that ended; the limit that stopped it

  bool matches() const { return kind == Kind::same; }
};

Verdict judge(const QueryOutcome& model, const QueryOutcome& answer);

// A verdict in one line, and the short word the summary shows for it.
std::string describe(const Verdict& verdict);
std::string_view shortName(Verdict::Kind kind);
std::string_view shortName(Verdict::Kind kind, Language language);

}  // namespace qerix

#endif  // QERIX_TOOLS_ANSWER_CHECK_H
