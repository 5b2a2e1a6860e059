#ifndef QERIX_MODEL_RECORD_LIMIT_H
#define QERIX_MODEL_RECORD_LIMIT_H

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace qerix {

// Stops an evaluation whose result grew past the record limit. Not a
// FatalError: no run of qerix ends this way, and a grader that set the
// limit tells it apart from a message the query itself earned.
class RecordLimitExceeded : public std::runtime_error {
 public:
  explicit RecordLimitExceeded(std::uint64_t recordLimit);

  std::uint64_t getLimit() const { return limit; }

 private:
  std::uint64_t limit;
};

// The most records any one result may hold while a limit is set: the nodes
// check their results as they finish, and the operators whose results
// outgrow their operands (products, joins) check as the count becomes
// known, so that a runaway product stops before it is built. None is set
// unless a grader asks for one; then every check is a comparison.
class RecordLimit {
 public:
  static constexpr std::uint64_t none = std::numeric_limits<std::uint64_t>::max();

  static std::uint64_t current();
  static void set(std::uint64_t limit);

  // Throws RecordLimitExceeded when `records` is past the current limit.
  static void check(std::uint64_t records) {
    if (records > current()) exceed();
  }
  [[noreturn]] static void exceed();
};

// Sets a limit for as long as it lives, then puts the one before back.
class RecordLimitScope {
 public:
  explicit RecordLimitScope(std::uint64_t limit) : before(RecordLimit::current()) { RecordLimit::set(limit); }
  RecordLimitScope(const RecordLimitScope&) = delete;
  RecordLimitScope& operator=(const RecordLimitScope&) = delete;
  ~RecordLimitScope() { RecordLimit::set(before); }

 private:
  std::uint64_t before;
};

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_LIMIT_H
