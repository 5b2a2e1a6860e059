#include "model/null_value.h"

#include "model/record_values.h"

namespace qerix {

namespace {

// One or more backslashes, then N.
bool isBackslashesThenN(std::string_view value) {
  if (value.size() < 2 || value.back() != 'N') return false;
  return value.find_first_not_of('\\') == value.size() - 1;
}

}  // namespace

std::string_view readWrittenValue(std::string_view written) {
  if (!isBackslashesThenN(written)) return written;
  return written.size() == 2 ? nullValue : written.substr(1);
}

bool needsEscape(std::string_view value) { return isNull(value) || isBackslashesThenN(value); }

void appendWrittenValue(std::string& out, std::string_view value) {
  if (isNull(value)) {
    out += "\\N";
    return;
  }
  if (isBackslashesThenN(value)) out += '\\';
  out += value;
}

bool holdsEscapedValue(std::string_view line) {
  if (line.find('\\') == std::string_view::npos) return false;
  ValueCursor cursor(line);
  for (std::size_t commas = std::count(line.begin(), line.end(), ','); ; --commas) {
    if (isBackslashesThenN(cursor.next())) return true;
    if (commas == 0) return false;
  }
}

void readWrittenValues(std::string_view line, std::string& out) {
  out.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    const std::string_view value = line.substr(start, comma == std::string_view::npos ? comma : comma - start);
    out += readWrittenValue(value);
    if (comma == std::string_view::npos) return;
    out += ',';
    start = comma + 1;
  }
}

}  // namespace qerix
