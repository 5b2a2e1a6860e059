#ifndef QERIX_TOOLS_FORKED_JOBS_H
#define QERIX_TOOLS_FORKED_JOBS_H

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace qerix {

// How a job run in a child process ended.
struct JobEnd {
  enum class Kind {
    finished,   // the child wrote its bytes and exited normally
    timedOut,   // killed at its deadline
    signalled,  // ended by a signal it did not get from us (a crash, the kernel out of memory)
    exited,     // exited with a status other than 0: it threw, or could not write
  };

  Kind kind = Kind::finished;
  int code = 0;       // the signal, or the exit status
  std::string bytes;  // what the child wrote; whole only when finished
};

// Runs jobs in child processes forked from this one, up to a number at once:
// a job that runs past its time is killed, and one that crashes takes nothing
// down but itself. The children see the memory of this process as it was at
// the fork and send their results back through a pipe. A child does a few
// jobs one after another, since a fork costs more than a small job; when one
// of them is killed or crashes, the jobs after it go to another child.
//
// Forking copies only the calling thread, so this process must have no other
// thread running when `run` is called; the scheduler's threads live only
// within a call of its own, so between evaluations there are none. POSIX
// only: the WebAssembly build has no fork and leaves this out.
class ForkedJobs {
 public:
  using Clock = std::chrono::steady_clock;
  // Computes job `index`'s bytes, in the child. It must not return into the
  // caller's frames in the child, so the child ends with _exit right after.
  using Work = std::function<std::string(std::size_t index)>;
  // The time job `index` may take, from its fork.
  using TimeOf = std::function<Clock::duration(std::size_t index)>;
  // Hears each job's end, in the order they end; may throw, which kills and
  // waits for the children still running before the exception goes on.
  using OnEnd = std::function<void(std::size_t index, JobEnd end)>;

  explicit ForkedJobs(unsigned workers);
  ForkedJobs(const ForkedJobs&) = delete;
  ForkedJobs& operator=(const ForkedJobs&) = delete;
  // Kills the children still running and waits for them: none is left behind.
  ~ForkedJobs();

  // Runs jobs 0 .. count - 1, each once, and returns when every one ended.
  // Where no child can be started (no process or pipe to be had) and none is
  // running, the job runs here, without a time limit.
  void run(std::size_t count, const TimeOf& timeOf, const Work& work, const OnEnd& onEnd);

 private:
  struct Child;

  bool start(std::vector<std::size_t> batch, const TimeOf& timeOf, const Work& work);
  // Waits until some child wrote, ended or passed its deadline, and hands
  // every job that ended to onEnd.
  void waitForChildren(const TimeOf& timeOf, const OnEnd& onEnd);
  void stopAll();

  unsigned workers;
  std::vector<Child> running;
  std::vector<std::size_t> pending;  // jobs not started, the next last
};

}  // namespace qerix

#endif  // QERIX_TOOLS_FORKED_JOBS_H
