#ifndef QERIX_MODEL_RECORD_WATCHER_H
#define QERIX_MODEL_RECORD_WATCHER_H

#include <string>
#include <string_view>

namespace qerix {

class Relation;

// Sees a relation's records as the input file is loaded. An operator that
// reads a loaded relation once, in order, does its work in the loading pass
// this way, instead of reading the input file again once loading is over.
// The work must not end the run: whatever it cannot do it leaves to the
// operator's own evaluation, which reports what is wrong as it always does.
class RecordWatcher {
 public:
  RecordWatcher() = default;
  RecordWatcher(const RecordWatcher&) = delete;
  RecordWatcher& operator=(const RecordWatcher&) = delete;
  virtual ~RecordWatcher() = default;

  // A relation of the watched name, its header read, whose records will
  // stay in the input file; false declines its records. Whatever an earlier
  // relation of that name gave is forgotten: a later one hides it.
  virtual bool begin(const Relation& relation) = 0;
  // Each record text, in order; the text is valid during the call only.
  virtual void offer(std::string_view values) = 0;
  // The relation begun last has all its records, and its record source.
  virtual void end(const Relation& relation) = 0;
};

// A watcher and the name of the relations it watches.
struct WatchedRelation {
  std::string name;
  RecordWatcher* watcher;
};

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_WATCHER_H
