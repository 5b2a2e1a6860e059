#ifndef QERIX_DRIVER_LINE_READER_H
#define QERIX_DRIVER_LINE_READER_H

#include <cstdint>
#include <iosfwd>
#include <string_view>

#include "driver/line_splitter.h"

namespace qerix {

// Reads the input file line by line and echoes every line it reads, with a
// newline after it, into the output file.
//
// Lines that echo exactly as they stand in the input are written in runs,
// not one by one; whatever is still pending is written by flushEcho() or, on
// any way out (a fatal error included), by the destructor.
class LineReader {
 public:
  LineReader(std::istream& input, std::ostream& echoStream);
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  ~LineReader();

  // False, with an empty line, once the input is exhausted. The line stays
  // valid until the next read.
  bool readLine(std::string_view& line);
  // Reads until a line is not empty or the input is exhausted.
  bool readNonEmptyLine(std::string_view& line);

  // The input's offset just past the last line read.
  std::uint64_t position() const { return lines.consumed(); }
  bool failed() const { return lines.failed(); }
  // The commas in the last line read.
  std::size_t commaCount() const { return lines.commaCount(); }

  void flushEcho();

 private:
  LineSplitter lines;
  std::ostream& echo;
  std::string_view pending;  // lines to echo as they stand, still in the splitter's buffer
};

}  // namespace qerix

#endif  // QERIX_DRIVER_LINE_READER_H
