#ifndef QERIX_DRIVER_INPUT_FILE_H
#define QERIX_DRIVER_INPUT_FILE_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qerix {

class RecordSource;

// The input file, opened for reading. Ends the run with "Nincs ilyen input
// file!" when it cannot be opened or read (a folder, for instance).
class InputFile {
 public:
  explicit InputFile(std::string_view path);

  std::istream& stream() { return file; }

  // A regular file can be read again, so relations may leave their records
  // in it; the records of any other file must be kept in memory.
  bool canBeReadAgain() const { return regular; }

  // The record lines between two offsets of the file, read again on demand.
  // Reading ends the run with a message if the file has changed meanwhile.
  // `asWritten` tells that every line holds exactly the attributes' values,
  // no more and no fewer, without a comma at its end. `cuts` holds the
  // offset after every tuning::cutSpacing records, so that the source can be
  // split into pieces between records.
  std::shared_ptr<const RecordSource> recordsBetween(std::uint64_t begin, std::uint64_t end, std::size_t recordCount,
                                                     int attributeCount, bool asWritten,
                                                     std::vector<std::uint64_t> cuts = {}) const;

  // Ends the run when reading stopped at an error instead of the end.
  static void requireReadable(bool failed);

 private:
  std::string path;
  std::ifstream file;
  bool regular = false;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type lastWrite;
};

}  // namespace qerix

#endif  // QERIX_DRIVER_INPUT_FILE_H
