#include "driver/line_splitter.h"

#include <algorithm>
#include <cstring>
#include <istream>

namespace qerix {

namespace {
// Large enough to keep reads few, small enough to stay in the cache.
constexpr std::size_t blockSize = std::size_t{1} << 18;
}  // namespace

LineSplitter::LineSplitter(std::istream& stream, std::uint64_t limit)
    : in(stream), remaining(limit), buffer(std::make_unique_for_overwrite<char[]>(blockSize)), capacity(blockSize) {}

LineSplitter::~LineSplitter() = default;

bool LineSplitter::next(std::string_view& line) {
  while (true) {
    const void* lineFeed = scanned < end ? std::memchr(buffer.get() + scanned, '\n', end - scanned) : nullptr;
    if (lineFeed || (exhausted && start < end)) {
      const std::size_t lineEnd =
          lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - buffer.get()) + 1 : end;
      raw = std::string_view(buffer.get() + start, lineEnd - start);
      consumedBytes += raw.size();
      start = scanned = lineEnd;
      line = raw;
      if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      return true;
    }
    scanned = end;
    if (exhausted || !refill()) {
      exhausted = true;
      if (start == end) {
        raw = line = {};
        return false;
      }
    }
  }
}

bool LineSplitter::refill() {
  if (beforeRefill) beforeRefill();
  // Keep the unfinished line, at the start of the buffer (grown if it is full).
  const std::size_t kept = end - start;
  if (kept == capacity) {
    auto larger = std::make_unique_for_overwrite<char[]>(capacity * 2);
    std::memcpy(larger.get(), buffer.get() + start, kept);
    buffer = std::move(larger);
    capacity *= 2;
  } else if (start > 0) {
    std::memmove(buffer.get(), buffer.get() + start, kept);
  }
  scanned -= start;
  start = 0;
  end = kept;

  const auto wanted = static_cast<std::streamsize>(std::min<std::uint64_t>(capacity - end, remaining));
  if (wanted == 0 || !in) return false;
  in.read(buffer.get() + end, wanted);
  const auto got = static_cast<std::size_t>(in.gcount());
  if (in.bad()) readFailed = true;
  end += got;
  remaining -= got;
  return got > 0;
}

}  // namespace qerix
