#include "driver/input_file.h"

#include <fstream>

#include "model/fatal_error.h"

namespace qerix {

namespace {
constexpr std::string_view noInputMessage = "Nincs ilyen input file!";
constexpr std::size_t readBlockSize = std::size_t{1} << 20;
}  // namespace

std::string readInputFile(std::string_view path) {
  std::ifstream file(std::string(path), std::ios::in | std::ios::binary);
  if (!file.is_open()) fatal(noInputMessage);

  std::string content;
  // The size is only a hint: special files have none, and files may grow.
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0, std::ios::beg);
  if (size > 0) content.reserve(static_cast<std::size_t>(size) + 1);
  file.clear();

  while (file) {
    const std::size_t filled = content.size();
    content.resize(filled + std::max(readBlockSize, content.capacity() - filled));
    file.read(content.data() + filled, static_cast<std::streamsize>(content.size() - filled));
    content.resize(filled + static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) fatal(noInputMessage);
  return content;
}

}  // namespace qerix
