#ifndef QERIX_DRIVER_CONCURRENT_WATCHER_H
#define QERIX_DRIVER_CONCURRENT_WATCHER_H

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "model/record_watcher.h"

namespace qerix {

// Lets a watcher work on a second thread while loading goes on. The loading
// thread asks the watcher to prepare each record; what it gives is copied
// into batches of a few hundred kilobytes, and the watcher is offered them on
// the second thread in the same order, begin and end in their places. What
// fits in one batch is worked on in the loading thread, without starting
// another.
class ConcurrentWatcher : public RecordWatcher {
 public:
  explicit ConcurrentWatcher(RecordWatcher& worker);
  // Stops the thread; work not done by then is dropped.
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
  void workHere();    // on the filled batch, in this thread
  void workOnSent();  // the second thread's loop
  // Waits until nothing sent is left, working on it or, `dropping`, not.
  void catchUp(bool dropping);

  RecordWatcher& watcher;
  std::unique_ptr<Batch> filling = std::make_unique<Batch>();

  std::mutex mutex;  // guards what follows
  std::condition_variable changed;
  std::deque<std::unique_ptr<Batch>> sent;    // in order, not yet worked on
  std::vector<std::unique_ptr<Batch>> spare;  // worked on, to be filled again
  bool working = false;                       // on a batch taken from `sent`
  bool stopping = false;
  bool superseded = false;     // a later relation of the name begins: drop what was sent
  std::exception_ptr failure;  // of the watcher, on the second thread
  std::thread thread;          // started by the first full batch
};

}  // namespace qerix

#endif  // QERIX_DRIVER_CONCURRENT_WATCHER_H
