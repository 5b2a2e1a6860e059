#include "tools/forked_jobs.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <utility>

namespace qerix {

namespace {

// A child's exit status when its work threw, or it could not write all it had.
constexpr int workThrewStatus = 3;
constexpr int writeFailedStatus = 4;

bool writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The child's side: never returns, never runs the parent's destructors or
// flushes its buffers (which the child holds copies of).
[[noreturn]] void runChild(int descriptor, std::size_t index, const ForkedJobs::Work& work) {
  int status = 0;
  try {
    status = writeAll(descriptor, work(index)) ? 0 : writeFailedStatus;
  } catch (...) {
    status = workThrewStatus;
  }
  ::_exit(status);
}

// Waits for a child that ended or was killed; its status.
int reap(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    // Gone already: SIGCHLD ignored by whoever started us reaps children itself.
    if (errno != EINTR) return 0;
  }
  return status;
}

}  // namespace

struct ForkedJobs::Child {
  pid_t pid;
  int descriptor;  // the pipe's reading end
  std::size_t index;
  Clock::time_point deadline;
  std::string bytes;
  bool ended = false;  // the pipe reached its end, or the deadline passed
  bool timedOut = false;
};

ForkedJobs::ForkedJobs(unsigned workerCount) : workers(std::max(1U, workerCount)) {}

ForkedJobs::~ForkedJobs() { stopAll(); }

void ForkedJobs::stopAll() {
  for (Child& child : running) {
    ::kill(child.pid, SIGKILL);
    reap(child.pid);
    ::close(child.descriptor);
  }
  running.clear();
}

void ForkedJobs::run(std::size_t count, const TimeOf& timeOf, const Work& work, const OnEnd& onEnd) {
  try {
    std::size_t next = 0;
    while (next < count || !running.empty()) {
      while (next < count && running.size() < workers) {
        if (!start(next, timeOf(next), work)) break;
        ++next;
      }
      if (running.empty() && next < count) {
        // No process to be had: this job runs here, as the WebAssembly build runs them all.
        onEnd(next, JobEnd{JobEnd::Kind::finished, 0, work(next)});
        ++next;
        continue;
      }
      waitForChildren(onEnd);
    }
  } catch (...) {
    stopAll();
    throw;
  }
}

bool ForkedJobs::start(std::size_t index, Clock::duration time, const Work& work) {
  int ends[2];
  if (::pipe(ends) != 0) return false;
  // The children started later must not hold this child's writing end, or
  // its pipe would never reach its end.
  ::fcntl(ends[0], F_SETFD, FD_CLOEXEC);
  ::fcntl(ends[1], F_SETFD, FD_CLOEXEC);
  const pid_t pid = ::fork();
  if (pid < 0) {
    ::close(ends[0]);
    ::close(ends[1]);
    return false;
  }
  if (pid == 0) {
    ::close(ends[0]);
    runChild(ends[1], index, work);
  }
  ::close(ends[1]);
  const Clock::time_point now = Clock::now();
  const Clock::time_point deadline = time >= Clock::time_point::max() - now ? Clock::time_point::max() : now + time;
  try {
    running.push_back(Child{pid, ends[0], index, deadline, {}, false, false});
  } catch (...) {
    ::kill(pid, SIGKILL);
    reap(pid);
    ::close(ends[0]);
    throw;
  }
  return true;
}

void ForkedJobs::waitForChildren(const OnEnd& onEnd) {
  Clock::time_point soonest = Clock::time_point::max();
  std::vector<pollfd> watched;
  for (const Child& child : running) {
    soonest = std::min(soonest, child.deadline);
    watched.push_back(pollfd{child.descriptor, POLLIN, 0});
  }
  int timeout = -1;
  if (soonest != Clock::time_point::max()) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(soonest - Clock::now()).count();
    timeout = static_cast<int>(std::clamp<decltype(left)>(left, 0, 1'000'000));
  }
  if (::poll(watched.data(), watched.size(), timeout) < 0 && errno != EINTR) {
    // Nothing to wait on that poll would take: stop every child rather than spin.
    for (Child& child : running) child.deadline = Clock::time_point::min();
  }
  char buffer[1 << 16];
  for (std::size_t at = 0; at < running.size(); ++at) {
    Child& child = running[at];
    if (watched[at].revents == 0) continue;
    const ssize_t got = ::read(child.descriptor, buffer, sizeof buffer);
    if (got > 0) {
      child.bytes.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      child.ended = true;
    }
  }
  // What wrote its last bytes in time counts as in time; the rest past
  // their deadline are stopped.
  const Clock::time_point now = Clock::now();
  for (Child& child : running) {
    if (!child.ended && now >= child.deadline) {
      ::kill(child.pid, SIGKILL);
      child.ended = child.timedOut = true;
    }
  }
  // Each ended child leaves the list before onEnd hears of it, so that what
  // onEnd throws finds the list whole.
  while (true) {
    const auto found = std::find_if(running.begin(), running.end(), [](const Child& child) { return child.ended; });
    if (found == running.end()) return;
    Child child = std::move(*found);
    running.erase(found);
    const int status = reap(child.pid);
    ::close(child.descriptor);
    JobEnd end;
    if (child.timedOut) {
      end.kind = JobEnd::Kind::timedOut;
    } else if (WIFSIGNALED(status)) {
      end.kind = JobEnd::Kind::signalled;
      end.code = WTERMSIG(status);
    } else if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
      end.kind = JobEnd::Kind::exited;
      end.code = WEXITSTATUS(status);
    }
    end.bytes = std::move(child.bytes);
    onEnd(child.index, std::move(end));
  }
}

}  // namespace qerix
