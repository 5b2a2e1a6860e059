#include "driver/line_reader.h"

#include <ostream>

namespace qerix {

LineReader::LineReader(std::string_view text, std::ostream& echoStream) : input(text), echo(echoStream) {}

LineReader::~LineReader() { flushEcho(); }

bool LineReader::readLine(std::string_view& line) {
  if (position >= input.size()) {
    line = {};
    return false;
  }
  const std::size_t start = position;
  const std::size_t lineFeed = input.find('\n', start);
  const bool ended = lineFeed != std::string_view::npos;
  const std::size_t end = ended ? lineFeed : input.size();
  position = ended ? lineFeed + 1 : input.size();

  line = input.substr(start, end - start);
  const bool carriageReturn = !line.empty() && line.back() == '\r';
  if (carriageReturn) line.remove_suffix(1);

  if (ended && !carriageReturn) {
    // The echo is the input itself here: extend the pending run.
    if (pendingEnd != start) {
      flushEcho();
      pendingStart = start;
    }
    pendingEnd = position;
  } else {
    flushEcho();
    echo.write(line.data(), static_cast<std::streamsize>(line.size()));
    echo.put('\n');
  }
  return true;
}

bool LineReader::readNonEmptyLine(std::string_view& line) {
  bool read = false;
  do {
    read = readLine(line);
  } while (read && line.empty());
  return read;
}

void LineReader::flushEcho() {
  if (pendingEnd > pendingStart) {
    echo.write(input.data() + pendingStart, static_cast<std::streamsize>(pendingEnd - pendingStart));
  }
  pendingStart = pendingEnd;
}

}  // namespace qerix
