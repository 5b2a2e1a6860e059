#ifndef QERIX_EXEC_PIECES_SCHEDULER_H
#define QERIX_EXEC_PIECES_SCHEDULER_H

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

namespace qerix {

// All parallel work of a run goes through here; no other file starts a
// thread. Work on a large input is split into pieces of records, each piece
// worked on with state of its own, and the caller combines the pieces'
// results in input order, so that the result never depends on how many
// threads there were.
class Scheduler {
 public:
  // How many pieces a large input is split into: one per core that the work
  // may use, or one alone when parallel work is switched off.
  static std::size_t pieceCount();

  // Parallel work is on unless switched off, for tests that compare a run
  // with it and without it, and for tools that show one step at a time.
  static void setParallel(bool parallel);
  static bool isParallel();

  // Runs work(0) .. work(count - 1) at once, piece 0 on the calling thread,
  // and returns when all are done. What a piece throws ends that piece only;
  // then the exception of the lowest piece that threw comes out: the one that
  // running the pieces one after another would have met first. Without a
  // thread to be had, the pieces run one after another here.
  static void forEachPiece(std::size_t count, const std::function<void(std::size_t)>& work);
};

// Does tasks one after another, in the order given, on a thread of its own,
// while the caller goes on: work handed over from the thread that loads the
// input file. At most `queueLimit` tasks wait; giving one more waits for
// room. Once a task throws, the tasks after it are dropped, and its exception
// comes out of the next drain(): the first failure in task order, as doing
// them here would have met it. Without a thread, tasks are done at once.
class OrderedWorker {
 public:
  explicit OrderedWorker(std::size_t queueLimit);
  OrderedWorker(const OrderedWorker&) = delete;
  OrderedWorker& operator=(const OrderedWorker&) = delete;
  // Stops the thread; tasks not done by then are dropped.
  ~OrderedWorker();

  void give(std::function<void()> task);
  // Waits until every task given is done (or, `dropping`, dropped undone),
  // then throws the first failure, if there was one.
  void drain(bool dropping);

 private:
  void workOnQueue();  // the worker thread's loop
  void startThread();

  const std::size_t limit;
  std::mutex mutex;  // guards what follows
  std::condition_variable changed;
  std::deque<std::function<void()>> queue;
  bool working = false;  // on a task taken from the queue
  bool stopping = false;
  bool dropping = false;
  bool started = false;
  std::exception_ptr failure;
  struct Thread;
  std::unique_ptr<Thread> thread;
};

}  // namespace qerix

#endif  // QERIX_EXEC_PIECES_SCHEDULER_H
