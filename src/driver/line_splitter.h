#ifndef QERIX_DRIVER_LINE_SPLITTER_H
#define QERIX_DRIVER_LINE_SPLITTER_H

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
#include <memory>
#include <string_view>

namespace qerix {

// Splits a stretch of a stream into lines. The stream is read in blocks into
// one reused buffer, so a file of any size costs no more memory than a block
// or its longest line. A line ends at a line feed; one carriage return at its
// end is dropped as well, also on a last line without a line feed.
class LineSplitter {
 public:
  static constexpr std::uint64_t unlimited = std::numeric_limits<std::uint64_t>::max();

  // Reads from the stream's current position, at most `limit` bytes.
  explicit LineSplitter(std::istream& in, std::uint64_t limit = unlimited);
  LineSplitter(const LineSplitter&) = delete;
  LineSplitter& operator=(const LineSplitter&) = delete;
  ~LineSplitter();

  // The next line, valid until the next call; false at the end.
  bool next(std::string_view& line);
  // The last line as it stood, with its line feed if it had one.
  std::string_view rawLine() const { return raw; }
  // The commas in the last line, counted while its end was looked for.
  std::size_t commaCount() const { return lineCommas; }
  // Bytes taken by the lines returned so far.
  std::uint64_t consumed() const { return consumedBytes; }
  // Whether reading stopped at an error rather than at the end.
  bool failed() const { return readFailed; }

  // Called before buffered bytes move, so that views into them can be used up.
  void setBeforeRefill(std::function<void()> callback) { beforeRefill = std::move(callback); }

 private:
  bool refill();  // false when nothing more could be read
  // Moves `scanned` to the next line feed (returning true) or to `end`,
  // counting the commas passed over.
  bool scanToLineFeed();

  std::istream& in;
  std::uint64_t remaining;
  std::unique_ptr<char[]> buffer;
  std::size_t capacity;
  std::size_t start = 0;  // buffer[start, end) holds bytes not yet returned
  std::size_t end = 0;
  std::size_t scanned = 0;        // buffer[start, scanned) is known to hold no line feed
  std::size_t scannedCommas = 0;  // the commas in buffer[start, scanned)
  std::size_t lineCommas = 0;
  bool exhausted = false;
  bool readFailed = false;
  std::string_view raw;
  std::uint64_t consumedBytes = 0;
  std::function<void()> beforeRefill;
};

}  // namespace qerix

#endif  // QERIX_DRIVER_LINE_SPLITTER_H
