#ifndef QERIX_DRIVER_OUTPUT_FILE_H
#define QERIX_DRIVER_OUTPUT_FILE_H

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string_view>

namespace qerix {

// The output file, opened for writing and emptied. An existing regular file
// is written over from its start and cut to what was written when the run
// ends, rather than truncated when opened: rewriting pages the system holds
// already is quicker than freeing them and asking for new ones, and a run
// over the same output file again is the common case.
class OutputFile {
 public:
  // False when the file cannot be opened for writing.
  bool open(std::string_view path);

  std::ostream& stream() { return file; }

  // Flushes, and cuts a file written over to what this run wrote. False when
  // a write or the cut failed.
  bool finish();

 private:
  std::filesystem::path path;
  std::ofstream file;
  bool writtenOver = false;
};

}  // namespace qerix

#endif  // QERIX_DRIVER_OUTPUT_FILE_H
