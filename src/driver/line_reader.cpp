#include "driver/line_reader.h"

#include <ostream>

namespace qerix {

LineReader::LineReader(std::istream& input, std::ostream& echoStream) : lines(input), echo(echoStream) {
  lines.setBeforeRefill([this] { flushEcho(); });
}

LineReader::~LineReader() { flushEcho(); }

bool LineReader::readLine(std::string_view& line) {
  if (!lines.next(line)) return false;
  const std::string_view raw = lines.rawLine();
  if (raw.size() == line.size() + 1 && raw.back() == '\n') {
    // The line echoes as it stands, line feed included: extend the pending run.
    if (!pending.empty() && pending.data() + pending.size() != raw.data()) flushEcho();
    pending = pending.empty() ? raw : std::string_view(pending.data(), pending.size() + raw.size());
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
  if (!pending.empty()) echo.write(pending.data(), static_cast<std::streamsize>(pending.size()));
  pending = {};
}

}  // namespace qerix
