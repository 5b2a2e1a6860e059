#include "tools/data_file.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"

namespace qerix {

LoadedInput loadDataFile(std::string_view path, QueryLanguage language) {
  // Opened once here first: the loader's own message for a file it cannot
  // open names no file.
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::path(path), error) ||
      !std::ifstream(std::filesystem::path(path), std::ios::binary)) {
    fatal(textOf(Text::unreadableMessage), path);
  }
  try {
    InputFile file(path);
    std::ostream discard(nullptr);
    LineReader reader(file.stream(), discard);
    return loadInput(reader, file, language == QueryLanguage::extended);
  } catch (const FatalError& failure) {
    fatal(textOf(Text::dataFileFault, {quotedText(path), failure.what()}));
  }
}

}  // namespace qerix
