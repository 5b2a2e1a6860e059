#include "exec/pieces/scheduler.h"

#include <atomic>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace qerix {

namespace {

std::atomic<bool> parallelWork{true};

// A thread for `body`, or none when the platform has none to give.
std::thread startedThread(std::function<void()> body) {
#ifdef __EMSCRIPTEN__
  (void)body;
  return {};
#else
  try {
    return std::thread(std::move(body));
  } catch (const std::system_error&) {
    return {};
  }
#endif
}

}  // namespace

std::size_t Scheduler::pieceCount() {
#ifdef __EMSCRIPTEN__
  // A page has one thread to give.
  return 1;
#else
  // The machine this is tuned for has two cores, and fresh memory comes
  // twice as fast to two threads as to one; more pieces than cores only add work.
  constexpr std::size_t coreCount = 2;
  return parallelWork ? coreCount : 1;
#endif
}

void Scheduler::setParallel(bool parallel) { parallelWork = parallel; }

bool Scheduler::isParallel() { return parallelWork; }

void Scheduler::forEachPiece(std::size_t count, const std::function<void(std::size_t)>& work) {
  std::vector<std::exception_ptr> failures(count);
  auto runPiece = [&](std::size_t piece) {
    try {
      work(piece);
    } catch (...) {
      failures[piece] = std::current_exception();
    }
  };
  std::vector<std::thread> others;
  std::size_t next = 1;
  if (pieceCount() > 1) {
    for (; next < count; ++next) {
      std::thread other = startedThread([&runPiece, next] { runPiece(next); });
      if (!other.joinable()) break;
      others.push_back(std::move(other));
    }
  }
  if (count > 0) runPiece(0);
  for (std::thread& other : others) other.join();
  // Pieces no thread was found for run here, in order.
  for (; next < count; ++next) runPiece(next);
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

struct OrderedWorker::Thread {
  std::thread thread;
};

OrderedWorker::OrderedWorker(std::size_t queueLimit) : limit(queueLimit) {}

OrderedWorker::~OrderedWorker() {
  {
    const std::lock_guard lock(mutex);
    stopping = true;
  }
  changed.notify_all();
  if (thread && thread->thread.joinable()) thread->thread.join();
}

void OrderedWorker::startThread() {
  started = true;
  auto handle = std::make_unique<Thread>();
  handle->thread = startedThread([this] { workOnQueue(); });
  if (handle->thread.joinable()) thread = std::move(handle);
}

void OrderedWorker::give(std::function<void()> task) {
  std::unique_lock lock(mutex);
  if (!started) startThread();
  if (!thread) {
    // No thread: the task is done here, at once, as it would be there.
    if (failure) return;
    lock.unlock();
    try {
      task();
    } catch (...) {
      lock.lock();
      failure = std::current_exception();
    }
    return;
  }
  changed.wait(lock, [this] { return queue.size() < limit; });
  queue.push_back(std::move(task));
  lock.unlock();
  changed.notify_all();
}

void OrderedWorker::drain(bool drop) {
  std::unique_lock lock(mutex);
  dropping = drop;
  changed.wait(lock, [this] { return queue.empty() && !working; });
  dropping = false;
  if (failure) std::rethrow_exception(std::exchange(failure, nullptr));
}

void OrderedWorker::workOnQueue() {
  std::unique_lock lock(mutex);
  while (true) {
    changed.wait(lock, [this] { return stopping || !queue.empty(); });
    if (stopping) return;
    std::function<void()> task = std::move(queue.front());
    queue.pop_front();
    const bool dropped = failure != nullptr || dropping;
    working = true;
    lock.unlock();
    std::exception_ptr thrown;
    if (!dropped) {
      try {
        task();
      } catch (...) {
        thrown = std::current_exception();
      }
    }
    task = nullptr;  // what it holds goes before the next task comes
    lock.lock();
    if (thrown) failure = thrown;
    working = false;
    changed.notify_all();
  }
}

}  // namespace qerix
