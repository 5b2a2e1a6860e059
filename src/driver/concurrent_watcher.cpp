#include "driver/concurrent_watcher.h"

#include <utility>

namespace qerix {

namespace {
// Large enough that handing a batch over is rare, small enough to stay in the cache.
constexpr std::size_t batchBytes = std::size_t{1} << 18;
// Batches sent but not worked on; loading waits for the watcher beyond that.
constexpr std::size_t sentLimit = 2;
}  // namespace

ConcurrentWatcher::ConcurrentWatcher(RecordWatcher& worker) : watcher(worker) {}

ConcurrentWatcher::~ConcurrentWatcher() {
  {
    const std::lock_guard lock(mutex);
    stopping = true;
  }
  changed.notify_all();
  if (thread.joinable()) thread.join();
}

bool ConcurrentWatcher::begin(const Relation& relation) {
  // What is left to do on an earlier relation of this name would be
  // forgotten as this one begins: it is dropped instead of waited for.
  catchUp(true);
  return watcher.begin(relation);
}

void ConcurrentWatcher::offer(std::string_view values) {
  filling->bytes += values;
  filling->ends.push_back(static_cast<std::size_t>(filling->bytes.size()));
  if (filling->bytes.size() >= batchBytes) send();
}

void ConcurrentWatcher::end(const Relation& relation) {
  filling->ended = &relation;
  if (thread.joinable()) {
    send();
  } else {
    workHere();
  }
}

void ConcurrentWatcher::workHere() {
  work(*filling);
  filling->clear();
}

void ConcurrentWatcher::finish() { catchUp(false); }

void ConcurrentWatcher::catchUp(bool dropping) {
  std::unique_lock lock(mutex);
  superseded = dropping;
  changed.wait(lock, [this] { return sent.empty() && !working; });
  superseded = false;
  if (failure) std::rethrow_exception(std::exchange(failure, nullptr));
}

void ConcurrentWatcher::send() {
  std::unique_lock lock(mutex);
  if (!thread.joinable()) {
    try {
      thread = std::thread([this] { workOnSent(); });
    } catch (const std::exception&) {
      // Without a second thread the work is done here.
      lock.unlock();
      workHere();
      return;
    }
  }
  changed.wait(lock, [this] { return sent.size() < sentLimit; });
  sent.push_back(std::move(filling));
  if (spare.empty()) {
    filling = std::make_unique<Batch>();
  } else {
    filling = std::move(spare.back());
    spare.pop_back();
  }
  lock.unlock();
  changed.notify_all();
}

void ConcurrentWatcher::work(const Batch& batch) {
  const std::string_view bytes(batch.bytes);
  std::size_t start = 0;
  for (const std::size_t end : batch.ends) {
    watcher.offer(bytes.substr(start, end - start));
    start = end;
  }
  if (batch.ended) watcher.end(*batch.ended);
}

void ConcurrentWatcher::workOnSent() {
  std::unique_lock lock(mutex);
  while (true) {
    changed.wait(lock, [this] { return stopping || !sent.empty(); });
    if (stopping) return;
    std::unique_ptr<Batch> batch = std::move(sent.front());
    sent.pop_front();
    working = true;
    const bool dropped = failure != nullptr || superseded;
    lock.unlock();
    std::exception_ptr thrown;
    if (!dropped) {
      try {
        work(*batch);
      } catch (...) {
        thrown = std::current_exception();
      }
    }
    batch->clear();
    lock.lock();
    if (thrown) failure = thrown;
    working = false;
    spare.push_back(std::move(batch));
    changed.notify_all();
  }
}

}  // namespace qerix
