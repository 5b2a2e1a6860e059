#ifndef QERIX_EXEC_LOADING_RECORD_WATCHER_H
#define QERIX_EXEC_LOADING_RECORD_WATCHER_H

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <memory>

#include "model/relation.h"

namespace qerix {

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
  // What to offer of each record text, if anything: asked of each in order,
  // in the loading thread, also where the offers are worked on in another.
  // The text returned is valid until the next call. The default offers the
  // record as it is.
  virtual std::optional<std::string_view> prepare(std::string_view values) { return values; }
  // What prepare gave for each record, in order; valid during the call only.
  virtual void offer(std::string_view prepared) = 0;
  // The relation begun last has all its records, and its record source.
  virtual void end(const Relation& relation) = 0;
};

// An operator's work on the records of the last relation of a name, done
// while they are loaded: the operator uses it if its input turns out to be
// that relation (isWorkOn), taking its result from it (resultFor) instead of
// reading the relation again. Loaded relations stay until the run ends.
class LoadingWork : public RecordWatcher {
 public:
  bool begin(const Relation& relation) final {
    worked = nullptr;
    loading = &relation;
    started = start(relation);
    return started;
  }
  void end(const Relation& relation) final {
    if (!started) return;
    complete();
    worked = &relation;
  }

  // Whether the work was done on `input`'s records.
  bool isWorkOn(const Relation& input) const { return worked && input.sharesSourceWith(*worked); }
  // The operator's result over `input`, on which the work was done.
  virtual std::unique_ptr<Relation> resultFor(const Relation& input) = 0;

 protected:
  // Starts the work afresh for a relation's records; false declines them.
  virtual bool start(const Relation& relation) = 0;
  // The relation started last has all its records: what is left to do on
  // them can be done now, while loading goes on.
  virtual void complete() {}
  const Relation& loadingRelation() const { return *loading; }

 private:
  const Relation* loading = nullptr;
  const Relation* worked = nullptr;  // whose records the work was done on
  bool started = false;
};

// A watcher and the name of the relations it watches.
struct WatchedRelation {
  std::string name;
  std::reference_wrapper<RecordWatcher> watcher;
};

}  // namespace qerix

#endif  // QERIX_EXEC_LOADING_RECORD_WATCHER_H
