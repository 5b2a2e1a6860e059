#include "driver/input_file.h"

#include <string>
#include <system_error>
#include <vector>

#include "driver/line_splitter.h"
#include "driver/relation_loader.h"
#include "model/fatal_error.h"
#include "model/record_source.h"

namespace qerix {

namespace {

constexpr std::string_view noInputMessage = "Nincs ilyen input file!";
constexpr std::string_view changedInputMessage = "Az input file megvaltozott a futas kozben: ";

// The records of one relation in the input file, read again each time they
// are needed.
class InputFileRecords : public RecordSource {
 public:
  struct Placement {
    std::string path;
    std::uint64_t begin;
    std::uint64_t end;
    std::size_t recordCount;
    int attributeCount;
    bool asWritten;  // each line is its record text
    std::uintmax_t fileSize;
    std::filesystem::file_time_type lastWrite;
    RecordCut middle;  // of no records when the lines are not to be halved
  };

  explicit InputFileRecords(Placement where) : placement(std::move(where)) {}

  std::size_t getRecordCount() const override { return placement.recordCount; }
  std::unique_ptr<RecordStream> open() const override;
  std::vector<std::shared_ptr<const RecordSource>> halves() const override;

  [[noreturn]] void failChanged() const { fatal(changedInputMessage, placement.path); }

  const Placement placement;
};

class InputFileRecordStream : public RecordStream {
 public:
  explicit InputFileRecordStream(const InputFileRecords& source)
      : records(source), file(source.placement.path, std::ios::in | std::ios::binary) {
    const auto& where = records.placement;
    std::error_code error;
    if (!file.is_open() || std::filesystem::file_size(where.path, error) != where.fileSize || error ||
        std::filesystem::last_write_time(where.path, error) != where.lastWrite || error) {
      records.failChanged();
    }
    file.seekg(static_cast<std::streamoff>(where.begin));
    lines = std::make_unique<LineSplitter>(file, where.end - where.begin);
  }

  bool next(std::string_view& values) override {
    std::string_view line;
    if (!lines->next(line)) {
      if (lines->failed() || delivered != records.placement.recordCount) records.failChanged();
      return false;
    }
    if (line.empty()) records.failChanged();
    ++delivered;
    if (records.placement.asWritten) {
      values = line;
      return true;
    }
    const auto text = recordText(line, lines->commaCount(), records.placement.attributeCount, scratch);
    if (!text) records.failChanged();
    values = *text;
    return true;
  }

 private:
  const InputFileRecords& records;
  std::ifstream file;
  std::unique_ptr<LineSplitter> lines;
  std::string scratch;
  std::size_t delivered = 0;
};

std::unique_ptr<RecordStream> InputFileRecords::open() const { return std::make_unique<InputFileRecordStream>(*this); }

std::vector<std::shared_ptr<const RecordSource>> InputFileRecords::halves() const {
  const RecordCut middle = placement.middle;
  if (middle.recordCount == 0) return {};
  Placement first = placement;
  first.end = middle.offset;
  first.recordCount = middle.recordCount;
  first.middle = {};
  Placement second = placement;
  second.begin = middle.offset;
  second.recordCount = placement.recordCount - middle.recordCount;
  second.middle = {};
  return {std::make_shared<InputFileRecords>(std::move(first)), std::make_shared<InputFileRecords>(std::move(second))};
}

}  // namespace

InputFile::InputFile(std::string_view filePath) : path(filePath), file(path, std::ios::in | std::ios::binary) {
  // Peeking makes a folder, which opens like a file, fail as it is read.
  if (!file.is_open() || (file.peek() == std::ifstream::traits_type::eof() && file.bad())) fatal(noInputMessage);
  std::error_code error;
  regular = std::filesystem::is_regular_file(path, error);
  if (regular) {
    size = std::filesystem::file_size(path, error);
    lastWrite = std::filesystem::last_write_time(path, error);
    // Files of /proc claim a size of 0 whatever they hold: read those only once.
    regular = !error && size > 0;
  }
  if (std::filesystem::is_directory(path, error)) fatal(noInputMessage);
}

std::shared_ptr<const RecordSource> InputFile::recordsBetween(std::uint64_t begin, std::uint64_t end,
                                                              std::size_t recordCount, int attributeCount,
                                                              bool asWritten, RecordCut middle) const {
  return std::make_shared<InputFileRecords>(
      InputFileRecords::Placement{path, begin, end, recordCount, attributeCount, asWritten, size, lastWrite, middle});
}

void InputFile::requireReadable(bool failed) {
  if (failed) fatal(noInputMessage);
}

}  // namespace qerix
