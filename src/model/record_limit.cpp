#include "model/record_limit.h"

#include <atomic>
#include <string>

namespace qerix {

namespace {

// Read by the pieces of a result on every thread of the scheduler.
std::atomic<std::uint64_t> currentLimit{RecordLimit::none};

}  // namespace

RecordLimitExceeded::RecordLimitExceeded(std::uint64_t recordLimit)
    : std::runtime_error("a result has more than " + std::to_string(recordLimit) + " records"), limit(recordLimit) {}

std::uint64_t RecordLimit::current() { return currentLimit.load(std::memory_order_relaxed); }

void RecordLimit::set(std::uint64_t limit) { currentLimit.store(limit, std::memory_order_relaxed); }

void RecordLimit::exceed() { throw RecordLimitExceeded(current()); }

}  // namespace qerix
