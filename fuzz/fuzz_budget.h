#ifndef QERIX_FUZZ_FUZZ_BUDGET_H
#define QERIX_FUZZ_FUZZ_BUDGET_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "query/language_table.h"

namespace qerix::fuzz {

// A query may rightly ask for more than a fuzzer can wait for: every
// product multiplies its operands' record counts, so a few nested products
// over a few hundred records reach billions of records. Such inputs are
// evaluated only up to this many records; the golden cases and the
// benchmarks cover large results.
constexpr std::uint64_t maxEstimatedRecords = std::uint64_t{1} << 20;

// Occurrences in a query of the spellings, in every notation, of the
// operators that may multiply the records: the product and the joins (a
// natural join without a shared attribute is a product; the semijoins are
// counted too, which only overestimates).
inline std::size_t countProducts(std::string_view query) {
  std::size_t count = 0;
  const auto countText = [&](std::string_view spelling) {
    for (std::size_t at = query.find(spelling); at != std::string_view::npos; at = query.find(spelling, at + 1)) {
      ++count;
    }
  };
  for (const OperatorEntry& entry : operatorEntries()) {
    if (entry.form != OperatorForm::binaryOrCondition && entry.keyword != "product") continue;
    countText(std::string(entry.keyword) + "(");
    forEachSpelling(entry.symbols, countText);
    forEachSpelling(entry.words, countText);
    forEachSpelling(entry.latex, countText);
  }
  return count;
}

// Whether the query is a program: a named result may be used many times.
inline bool hasNamedResults(std::string_view query) {
  for (const std::string_view spelling : {std::string_view("<-"), std::string_view(":="), assignmentSymbols,
                                          assignmentLatex}) {
    if (query.find(spelling) != std::string_view::npos) return true;
  }
  return false;
}

// An upper bound on the records a query builds when no relation has more
// than recordsPerRelation records: unions add, products multiply, the other
// operators keep or shrink their input. In a program each product may at
// most double the factors of what it builds, as T <- R x R; U <- T x T does.
inline bool isWithinBudget(std::string_view query, std::uint64_t recordsPerRelation) {
  if (recordsPerRelation < 2) return true;
  const std::size_t products = countProducts(query);
  std::uint64_t leaves = products + 1;
  if (hasNamedResults(query)) leaves = products < 6 ? std::uint64_t{1} << products : 64;
  std::uint64_t estimate = 1;
  for (std::uint64_t leaf = 0; leaf < leaves; ++leaf) {
    estimate *= recordsPerRelation;
    if (estimate > maxEstimatedRecords) return false;
  }
  return true;
}

// The query of an input file (its first non-empty lines up to an empty one,
// a program's statements included, without a carriage return at the end)
// and an upper bound on the records of any relation in it (the longest run
// of non-empty lines).
struct InputShape {
  std::string_view query;
  std::uint64_t longestRun = 0;
};

inline InputShape shapeOf(std::string_view input) {
  InputShape shape;
  std::uint64_t run = 0;
  std::size_t start = 0;
  bool queryDone = false;
  while (start < input.size()) {
    const std::size_t lineFeed = input.find('\n', start);
    const std::size_t end = lineFeed == std::string_view::npos ? input.size() : lineFeed;
    std::string_view line = input.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) {
      run = 0;
      if (!shape.query.empty()) queryDone = true;
    } else {
      if (!queryDone) {
        // From the query's first line to the end of this one.
        const std::size_t first = shape.query.empty() ? start : static_cast<std::size_t>(shape.query.data() - input.data());
        shape.query = input.substr(first, start + line.size() - first);
      }
      if (++run > shape.longestRun) shape.longestRun = run;
    }
    start = end + 1;
  }
  return shape;
}

}  // namespace qerix::fuzz

#endif  // QERIX_FUZZ_FUZZ_BUDGET_H
