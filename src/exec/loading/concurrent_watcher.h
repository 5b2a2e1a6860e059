#ifndef QERIX_EXEC_LOADING_CONCURRENT_WATCHER_H
#define QERIX_EXEC_LOADING_CONCURRENT_WATCHER_H

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exec/loading/record_watcher.h"
#include "exec/pieces/scheduler.h"

namespace qerix {

// Lets a watcher work on a second thread while loading goes on. The loading
// thread asks the watcher to prepare each record; what it gives is copied
// into batches of a few hundred kilobytes, and the watcher is offered them on
// the scheduler's ordered worker in the same order, begin and end in their
// places. What fits in one batch is worked on in the loading thread, without
// starting another.
class ConcurrentWatcher : public RecordWatcher {
 public:
  explicit ConcurrentWatcher(RecordWatcher& watched);
  // Work not done by then is dropped.
  ~ConcurrentWatcher() override;

  // Answered by the watcher once its work on the earlier relation of the
  // name is done or, since this one hides it, dropped.
  bool begin(const Relation& relation) override;
  std::optional<std::string_view> prepare(std::string_view values) override { return watcher.prepare(values); }
  void offer(std::string_view values) override;
  void end(const Relation& relation) override;

  // Waits until the watcher has seen everything offered, and throws what it
  // threw, if anything.
  void finish();

 private:
  struct Batch {
    std::string bytes;
    std::vector<std::size_t> ends;    // of each record's text in bytes
    const Relation* ended = nullptr;  // after the records, the end of this relation

    void clear() {
      bytes.clear();
      ends.clear();
      ended = nullptr;
    }
  };

  void send();  // hands the filled batch over
  void work(const Batch& batch);
  std::shared_ptr<Batch> spareBatch();

  RecordWatcher& watcher;
  std::shared_ptr<Batch> filling = std::make_shared<Batch>();
  bool handedOver = false;  // whether a batch went to the worker since the last drain

  std::mutex spareMutex;  // guards `spare`, which the worker fills again
  std::vector<std::shared_ptr<Batch>> spare;
  OrderedWorker worker;  // last: it stops before what its tasks use goes
};

}  // namespace qerix

#endif  // QERIX_EXEC_LOADING_CONCURRENT_WATCHER_H
