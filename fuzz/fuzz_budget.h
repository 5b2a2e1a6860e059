#ifndef QERIX_FUZZ_FUZZ_BUDGET_H
#define QERIX_FUZZ_FUZZ_BUDGET_H

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qerix::fuzz {

// A query may rightly ask for more than a fuzzer can wait for: every
// product multiplies its operands' record counts, so a few nested products
// over a few hundred records reach billions of records. Such inputs are
// evaluated only up to this many records; the golden cases and the
// benchmarks cover large results.
constexpr std::uint64_t maxEstimatedRecords = std::uint64_t{1} << 20;

// Occurrences of "product(" and "join(" in a query: each may multiply the
// records (a natural join without a shared attribute is a product, and the
// semijoins, spelt with "join(", form as many pairs).
inline std::size_t countProducts(std::string_view query) {
  std::size_t count = 0;
  for (const std::string_view keyword : {std::string_view("product("), std::string_view("join(")}) {
    for (std::size_t at = query.find(keyword); at != std::string_view::npos; at = query.find(keyword, at + 1)) {
      ++count;
    }
  }
  return count;
}

// An upper bound on the records a query builds when no relation has more
// than recordsPerRelation records: unions add, products multiply, the other
// operators keep or shrink their input.
inline bool isWithinBudget(std::string_view query, std::uint64_t recordsPerRelation) {
  if (recordsPerRelation < 2) return true;
  const std::size_t leaves = countProducts(query) + 1;
  std::uint64_t estimate = 1;
  for (std::size_t leaf = 0; leaf < leaves; ++leaf) {
    estimate *= recordsPerRelation;
    if (estimate > maxEstimatedRecords) return false;
  }
  return true;
}

// The query line of an input file (its first non-empty line, without a
// carriage return at its end) and an upper bound on the records of any
// relation in it (the longest run of non-empty lines).
struct InputShape {
  std::string_view query;
  std::uint64_t longestRun = 0;
};

inline InputShape shapeOf(std::string_view input) {
  InputShape shape;
  std::uint64_t run = 0;
  std::size_t start = 0;
  while (start < input.size()) {
    const std::size_t lineFeed = input.find('\n', start);
    const std::size_t end = lineFeed == std::string_view::npos ? input.size() : lineFeed;
    std::string_view line = input.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) {
      run = 0;
    } else {
      if (shape.query.empty()) shape.query = line;
      if (++run > shape.longestRun) shape.longestRun = run;
    }
    start = end + 1;
  }
  return shape;
}

}  // namespace qerix::fuzz

#endif  // QERIX_FUZZ_FUZZ_BUDGET_H
