#include "driver/output_file.h"

#include <system_error>

namespace qerix {

bool OutputFile::open(std::string_view pathText) {
  path = std::filesystem::path(pathText);
  std::error_code error;
  // A pipe or a device is left to the plain way: opening one for reading too
  // would change how it behaves.
  if (std::filesystem::is_regular_file(path, error)) {
    file.open(path, std::ios::in | std::ios::out);
    writtenOver = file.is_open();
  }
  if (!writtenOver) file.open(path, std::ios::out | std::ios::trunc);
  return file.is_open();
}

bool OutputFile::finish() {
  if (!file.is_open()) return true;
  file.flush();
  if (!file) return false;
  if (!writtenOver) return true;
  const std::streamoff written = file.tellp();
  if (written < 0) return false;
  std::error_code error;
  std::filesystem::resize_file(path, static_cast<std::uintmax_t>(written), error);
  return !error;
}

}  // namespace qerix
