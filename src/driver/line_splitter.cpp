#include "driver/line_splitter.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <istream>

#include "model/byte_buffer.h"
#include "model/tuning.h"

namespace qerix {

namespace {
constexpr std::size_t blockSize = tuning::inputBlock;
// Zero bytes after the buffered ones let the scan read whole words.
constexpr std::size_t wordSize = sizeof(std::uint64_t);

std::unique_ptr<char[]> makeBuffer(std::size_t capacity) { return makeByteBuffer(capacity + wordSize); }

constexpr std::uint64_t everyByte(unsigned char byte) { return 0x0101010101010101ULL * byte; }

// The top bit of each zero byte of `word`, and no other bit.
std::uint64_t zeroBytes(std::uint64_t word) {
  constexpr std::uint64_t low7 = everyByte(0x7F);
  return ~(((word & low7) + low7) | word | low7);
}

// The number of top bits set in a result of zeroBytes: one multiplication
// adds up the bytes, where a popcount may not be an instruction.
std::size_t countMarked(std::uint64_t topBits) {
  return static_cast<std::size_t>(((topBits >> 7) * everyByte(1)) >> 56);
}
}  // namespace

LineSplitter::LineSplitter(std::istream& stream, std::uint64_t limit)
    : in(stream), remaining(limit), buffer(makeBuffer(blockSize)), capacity(blockSize) {
  std::memset(buffer.get(), 0, wordSize);
}

LineSplitter::~LineSplitter() = default;

bool LineSplitter::next(std::string_view& line) {
  while (true) {
    const bool lineFeed = scanToLineFeed();
    if (lineFeed || (exhausted && start < end)) {
      const std::size_t lineEnd = lineFeed ? scanned + 1 : end;
      // Built apart from `raw`: reading a view back just after storing it
      // halves stalls on every line.
      const std::string_view whole(buffer.get() + start, lineEnd - start);
      raw = whole;
      consumedBytes += whole.size();
      start = scanned = lineEnd;
      lineCommas = scannedCommas;
      scannedCommas = 0;
      line = whole;
      if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      return true;
    }
    if (exhausted || !refill()) {
      exhausted = true;
      if (start == end) {
        raw = line = {};
        return false;
      }
    }
  }
}

bool LineSplitter::scanToLineFeed() {
  // A word at a time: line feeds and commas show as zero bytes once the word
  // is xor-ed with them. Values are short, so this beats memchr and count.
  constexpr std::uint64_t lineFeeds = everyByte('\n');
  constexpr std::uint64_t commas = everyByte(',');
  const char* const bytes = buffer.get();
  while (scanned < end) {
    std::uint64_t word = 0;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(&word, bytes + scanned, wordSize);
    } else {
      for (std::size_t index = 0; index < wordSize; ++index) {
        word |= std::uint64_t{static_cast<unsigned char>(bytes[scanned + index])} << (8 * index);
      }
    }
    const std::uint64_t commaBits = zeroBytes(word ^ commas);
    if (const std::uint64_t lineFeedBits = zeroBytes(word ^ lineFeeds)) {
      const std::uint64_t before = (lineFeedBits & (0 - lineFeedBits)) - 1;  // the bits below the first one
      scannedCommas += countMarked(commaBits & before);
      scanned += static_cast<std::size_t>(std::countr_zero(lineFeedBits)) / 8;
      return true;
    }
    scannedCommas += countMarked(commaBits);
    scanned += wordSize;
  }
  scanned = end;
  return false;
}

bool LineSplitter::refill() {
  if (beforeRefill) beforeRefill();
  // Keep the unfinished line, at the start of the buffer (grown if it is full).
  const std::size_t kept = end - start;
  if (kept == capacity) {
    auto larger = makeBuffer(capacity * 2);
    std::memcpy(larger.get(), buffer.get() + start, kept);
    buffer = std::move(larger);
    capacity *= 2;
  } else if (start > 0) {
    std::memmove(buffer.get(), buffer.get() + start, kept);
  }
  scanned -= start;
  start = 0;
  end = kept;
  std::memset(buffer.get() + end, 0, wordSize);

  const auto wanted = static_cast<std::streamsize>(std::min<std::uint64_t>(capacity - end, remaining));
  if (wanted == 0 || !in) return false;
  in.read(buffer.get() + end, wanted);
  const auto got = static_cast<std::size_t>(in.gcount());
  if (in.bad()) readFailed = true;
  end += got;
  remaining -= got;
  std::memset(buffer.get() + end, 0, wordSize);
  return got > 0;
}

}  // namespace qerix
