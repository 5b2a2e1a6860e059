#ifndef QERIX_MODEL_RECORD_SOURCE_H
#define QERIX_MODEL_RECORD_SOURCE_H

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace qerix {

// Hands out record texts one at a time, in order.
class RecordStream {
 public:
  RecordStream() = default;
  RecordStream(const RecordStream&) = delete;
  RecordStream& operator=(const RecordStream&) = delete;
  virtual ~RecordStream() = default;

  // The next record text (valid until the next call), or false at the end.
  virtual bool next(std::string_view& values) = 0;
};

// Records that stay where they were found (the input file) until something
// needs them in memory, so a relation that is only read once never costs
// memory for its records.
class RecordSource {
 public:
  RecordSource() = default;
  RecordSource(const RecordSource&) = delete;
  RecordSource& operator=(const RecordSource&) = delete;
  virtual ~RecordSource() = default;

  virtual std::size_t getRecordCount() const = 0;
  // The stream reads through this source, which must outlive it.
  virtual std::unique_ptr<RecordStream> open() const = 0;
  // The same records as `count` sources of about equal parts, in order, to
  // be read at once; none where that is not worth it.
  virtual std::vector<std::shared_ptr<const RecordSource>> split(std::size_t /*count*/) const { return {}; }
  // Records that are in memory already, in the source's order: appends
  // their texts, which stay valid while `owner` lives, so that bringing the
  // source into memory copies nothing. False where they must be read.
  virtual bool appendTextsInMemory(std::vector<std::string_view>& /*texts*/,
                                   std::shared_ptr<const void>& /*owner*/) const {
    return false;
  }
};

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_SOURCE_H
