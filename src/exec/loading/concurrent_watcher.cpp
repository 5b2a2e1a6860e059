#include "exec/loading/concurrent_watcher.h"

#include <utility>

#include "model/tuning.h"

namespace qerix {

ConcurrentWatcher::ConcurrentWatcher(RecordWatcher& watched) : watcher(watched), worker(tuning::handOverQueueLimit) {}

ConcurrentWatcher::~ConcurrentWatcher() = default;

bool ConcurrentWatcher::begin(const Relation& relation) {
  // What is left to do on an earlier relation of this name would be
  // forgotten as this one begins: it is dropped instead of waited for.
  worker.drain(true);
  handedOver = false;
  return watcher.begin(relation);
}

void ConcurrentWatcher::offer(std::string_view values) {
  filling->bytes += values;
  filling->ends.push_back(filling->bytes.size());
  if (filling->bytes.size() >= tuning::handOverBatchBytes) send();
}

void ConcurrentWatcher::end(const Relation& relation) {
  filling->ended = &relation;
  if (handedOver) {
    send();
  } else {
    work(*filling);
    filling->clear();
  }
}

void ConcurrentWatcher::finish() { worker.drain(false); }

void ConcurrentWatcher::send() {
  std::shared_ptr<Batch> batch = std::exchange(filling, spareBatch());
  handedOver = true;
  worker.give([this, batch] {
    work(*batch);
    batch->clear();
    const std::lock_guard lock(spareMutex);
    spare.push_back(batch);
  });
}

std::shared_ptr<ConcurrentWatcher::Batch> ConcurrentWatcher::spareBatch() {
  const std::lock_guard lock(spareMutex);
  if (spare.empty()) return std::make_shared<Batch>();
  std::shared_ptr<Batch> batch = std::move(spare.back());
  spare.pop_back();
  return batch;
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

}  // namespace qerix
