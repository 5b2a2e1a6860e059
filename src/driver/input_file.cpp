#include "driver/input_file.h"

#include <string>
#include <system_error>
#include <vector>

#include "driver/line_splitter.h"
#include "driver/relation_loader.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/record_source.h"
#include "model/tuning.h"

namespace qerix {

namespace {

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
    // The offset after every cutSpacing records from `begin`; shared by the
    // pieces of one relation.
    std::shared_ptr<const std::vector<std::uint64_t>> cuts;
    std::size_t firstCut = 0;  // the number of records before `begin`, a multiple of cutSpacing
  };

  explicit InputFileRecords(Placement where) : placement(std::move(where)) {}

  std::size_t getRecordCount() const override { return placement.recordCount; }
  std::unique_ptr<RecordStream> open() const override;
  std::vector<std::shared_ptr<const RecordSource>> split(std::size_t count) const override;

  [[noreturn]] void failChanged() const { fatal(textOf(Text::changedInputMessage), placement.path); }

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

std::vector<std::shared_ptr<const RecordSource>> InputFileRecords::split(std::size_t count) const {
  const std::size_t records = placement.recordCount;
  if (count < 2 || !placement.cuts || records < tuning::parallelFrom || placement.firstCut != 0) return {};
  const std::vector<std::uint64_t>& cuts = *placement.cuts;
  std::vector<std::shared_ptr<const RecordSource>> pieces;
  Placement piece = placement;
  std::size_t before = 0;  // records before the piece
  for (std::size_t part = 1; part <= count; ++part) {
    // The cut nearest to part / count of the records, past the last one taken.
    std::size_t after = records;
    if (part < count) {
      const std::size_t cut = (records * part / count + tuning::cutSpacing / 2) / tuning::cutSpacing;
      if (cut == 0 || cut * tuning::cutSpacing <= before || cut > cuts.size()) continue;
      after = cut * tuning::cutSpacing;
      piece.end = cuts[cut - 1];
    } else {
      piece.end = placement.end;
    }
    piece.recordCount = after - before;
    piece.firstCut = before;
    pieces.push_back(std::make_shared<InputFileRecords>(piece));
    piece.begin = piece.end;
    before = after;
  }
  return pieces.size() == count ? pieces : std::vector<std::shared_ptr<const RecordSource>>();
}

}  // namespace

InputFile::InputFile(std::string_view filePath) : path(filePath), file(path, std::ios::in | std::ios::binary) {
  // Peeking makes a folder, which opens like a file, fail as it is read.
  if (!file.is_open() || (file.peek() == std::ifstream::traits_type::eof() && file.bad()))
    fatal(textOf(Text::noInputMessage));
  std::error_code error;
  regular = std::filesystem::is_regular_file(path, error);
  if (regular) {
    size = std::filesystem::file_size(path, error);
    lastWrite = std::filesystem::last_write_time(path, error);
    // Files of /proc claim a size of 0 whatever they hold: read those only once.
    regular = !error && size > 0;
  }
  if (std::filesystem::is_directory(path, error)) fatal(textOf(Text::noInputMessage));
}

std::shared_ptr<const RecordSource> InputFile::recordsBetween(std::uint64_t begin, std::uint64_t end,
                                                              std::size_t recordCount, int attributeCount,
                                                              bool asWritten, std::vector<std::uint64_t> cuts) const {
  auto sharedCuts = std::make_shared<const std::vector<std::uint64_t>>(std::move(cuts));
  return std::make_shared<InputFileRecords>(InputFileRecords::Placement{
      path, begin, end, recordCount, attributeCount, asWritten, size, lastWrite, std::move(sharedCuts), 0});
}

void InputFile::requireReadable(bool failed) {
  if (failed) fatal(textOf(Text::noInputMessage));
}

}  // namespace qerix
