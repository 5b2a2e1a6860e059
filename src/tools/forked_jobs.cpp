#include "tools/forked_jobs.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
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

// The child's side: does its batch, each job's bytes after their length in
// eight bytes; never returns, never runs the parent's destructors or flushes
// its buffers (which the child holds copies of).
[[noreturn]] void runChild(int descriptor, const std::vector<std::size_t>& batch, const ForkedJobs::Work& work) {
  for (const std::size_t index : batch) {
    std::string frame(8, '\0');
    try {
      frame += work(index);
    } catch (...) {
      ::_exit(workThrewStatus);
    }
    const std::uint64_t size = frame.size() - 8;
    for (int at = 0; at < 8; ++at) frame[at] = static_cast<char>((size >> (8 * at)) & 0xFF);
    if (!writeAll(descriptor, frame)) ::_exit(writeFailedStatus);
  }
  ::_exit(0);
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
  std::vector<std::size_t> batch;
  std::size_t done = 0;        // jobs of the batch whose bytes came
  Clock::time_point deadline;  // of the job at work
  std::string bytes;           // of jobs not whole yet
  bool ended = false;          // the pipe reached its end, or the deadline passed
  bool timedOut = false;
};

namespace {

ForkedJobs::Clock::time_point deadlineAfter(ForkedJobs::Clock::duration time) {
  const ForkedJobs::Clock::time_point now = ForkedJobs::Clock::now();
  return time >= ForkedJobs::Clock::time_point::max() - now ? ForkedJobs::Clock::time_point::max() : now + time;
}

}  // namespace

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
    pending.clear();
    for (std::size_t index = count; index > 0; --index) pending.push_back(index - 1);
    while (!pending.empty() || !running.empty()) {
      while (!pending.empty() && running.size() < workers) {
        // Batches small enough to keep every worker busy until the end.
        constexpr std::size_t mostInBatch = 16;
        const std::size_t size = std::clamp<std::size_t>(pending.size() / (4 * workers), 1, mostInBatch);
        std::vector<std::size_t> batch(pending.rbegin(), pending.rbegin() + static_cast<std::ptrdiff_t>(size));
        if (!start(batch, timeOf, work)) break;
        pending.resize(pending.size() - size);
      }
      if (running.empty() && !pending.empty()) {
        // No process to be had: this job runs here, as the WebAssembly build runs them all.
        const std::size_t index = pending.back();
        pending.pop_back();
        onEnd(index, JobEnd{JobEnd::Kind::finished, 0, work(index)});
        continue;
      }
      waitForChildren(timeOf, onEnd);
    }
  } catch (...) {
    stopAll();
    throw;
  }
}

bool ForkedJobs::start(std::vector<std::size_t> batch, const TimeOf& timeOf, const Work& work) {
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
    runChild(ends[1], batch, work);
  }
  ::close(ends[1]);
  try {
    const Clock::time_point deadline = deadlineAfter(timeOf(batch.front()));
    running.push_back(Child{pid, ends[0], std::move(batch), 0, deadline, {}, false, false});
  } catch (...) {
    ::kill(pid, SIGKILL);
    reap(pid);
    ::close(ends[0]);
    throw;
  }
  return true;
}

void ForkedJobs::waitForChildren(const TimeOf& timeOf, const OnEnd& onEnd) {
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
  // Whole jobs go to onEnd at once; the child stays in the list meanwhile,
  // so that what onEnd throws stops it too.
  char buffer[1 << 16];
  for (std::size_t at = 0; at < running.size(); ++at) {
    if (watched[at].revents == 0) continue;
    Child& child = running[at];
    const ssize_t got = ::read(child.descriptor, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      child.ended = true;
      continue;
    }
    child.bytes.append(buffer, static_cast<std::size_t>(got));
    while (child.bytes.size() >= 8 && child.done < child.batch.size()) {
      std::uint64_t size = 0;
      for (int place = 7; place >= 0; --place) size = (size << 8) | static_cast<unsigned char>(child.bytes[place]);
      if (child.bytes.size() - 8 < size) break;
      JobEnd end;
      end.bytes = child.bytes.substr(8, size);
      child.bytes.erase(0, 8 + size);
      const std::size_t index = child.batch[child.done++];
      if (child.done < child.batch.size()) child.deadline = deadlineAfter(timeOf(child.batch[child.done]));
      onEnd(index, std::move(end));
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
  // onEnd throws finds the list whole. The job at work when it ended ends
  // with it; the jobs after it in its batch wait for another child.
  while (true) {
    const auto found = std::find_if(running.begin(), running.end(), [](const Child& child) { return child.ended; });
    if (found == running.end()) return;
    Child child = std::move(*found);
    running.erase(found);
    const int status = reap(child.pid);
    ::close(child.descriptor);
    if (child.done == child.batch.size()) continue;
    for (std::size_t later = child.batch.size() - 1; later > child.done; --later) pending.push_back(child.batch[later]);
    JobEnd end;
    if (child.timedOut) {
      end.kind = JobEnd::Kind::timedOut;
    } else if (WIFSIGNALED(status)) {
      end.kind = JobEnd::Kind::signalled;
      end.code = WTERMSIG(status);
    } else {
      // Ended before its bytes came whole: it threw, could not write, or exited of itself.
      end.kind = JobEnd::Kind::exited;
      end.code = WIFEXITED(status) ? WEXITSTATUS(status) : 0;
    }
    end.bytes = std::move(child.bytes);
    onEnd(child.batch[child.done], std::move(end));
  }
}

}  // namespace qerix
