#ifndef QERIX_DRIVER_LINE_READER_H
#define QERIX_DRIVER_LINE_READER_H

#include <cstddef>
#include <iosfwd>
#include <string_view>

namespace qerix {

// Reads the input text line by line and echoes every line it reads, with a
// newline after it, into the output file. A line ends at a line feed, and one
// carriage return before it is dropped as well.
//
// Lines that echo exactly as they stand in the input are written in runs, not
// one by one; whatever is still pending is written by flushEcho() or, on any
// way out (a fatal error included), by the destructor.
class LineReader {
 public:
  LineReader(std::string_view text, std::ostream& echoStream);
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  ~LineReader();

  // False, with an empty line, once the input is exhausted.
  bool readLine(std::string_view& line);
  // Reads until a line is not empty or the input is exhausted.
  bool readNonEmptyLine(std::string_view& line);

  void flushEcho();

 private:
  std::string_view input;
  std::ostream& echo;
  std::size_t position = 0;
  std::size_t pendingStart = 0;  // input[pendingStart, pendingEnd) is echoed as it stands
  std::size_t pendingEnd = 0;
};

}  // namespace qerix

#endif  // QERIX_DRIVER_LINE_READER_H
