#include "tools/counterexample_runner.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <thread>

#include "model/message_catalogue.h"
#include "tools/answer_runner.h"
#include "tools/counterexample.h"
#include "tools/counterexample_input.h"
#ifndef __EMSCRIPTEN__
#include "tools/forked_jobs.h"
#endif

namespace qerix {

namespace {

std::string linesOf(const QueryOutcome& outcome) {
  if (outcome.failed) return outcome.message;
  if (!outcome.hasResult) return std::string(textOf(Text::emptyResultMessage));
  std::string lines = outcome.header;
  for (const std::string& record : outcome.records) lines += "\n" + record;
  return lines;
}

FoundCounterexample search(const CounterexampleJob& job) {
  FoundCounterexample found;
  const std::optional<Counterexample> example =
      findCounterexample(job.model, job.answer, *job.data, job.language, job.comparison, job.limits);
  if (!example) return found;
  const CounterexampleInput input = counterexampleInput(job.answer, *example, job.language);
  found.found = true;
  found.written = input.isWritten();
  found.minimal = example->minimal;
  found.text = input.isWritten() ? input.text : input.problem;
  found.answerResult = linesOf(example->answer);
  found.modelResult = linesOf(example->model);
  return found;
}

#ifndef __EMSCRIPTEN__
// A search's end through the pipe: flags, then each text after its length.
std::string bytesOf(const FoundCounterexample& found) {
  std::string bytes{found.found ? '1' : '0', found.written ? '1' : '0', found.minimal ? '1' : '0'};
  for (const std::string* text : {&found.text, &found.answerResult, &found.modelResult})
    bytes += std::to_string(text->size()) + ":" + *text;
  return bytes;
}

// Nothing found where the bytes are not whole: a search that was stopped.
FoundCounterexample foundOf(std::string_view bytes) {
  FoundCounterexample found;
  if (bytes.size() < 3 || bytes[0] != '1') return found;
  FoundCounterexample read;
  read.found = true;
  read.written = bytes[1] == '1';
  read.minimal = bytes[2] == '1';
  bytes.remove_prefix(3);
  for (std::string* text : {&read.text, &read.answerResult, &read.modelResult}) {
    const std::size_t colon = bytes.find(':');
    std::size_t size = 0;
    if (colon == std::string_view::npos ||
        std::from_chars(bytes.data(), bytes.data() + colon, size).ptr != bytes.data() + colon ||
        size > bytes.size() - colon - 1) {
      return found;
    }
    *text = std::string(bytes.substr(colon + 1, size));
    bytes.remove_prefix(colon + 1 + size);
  }
  return read;
}
#endif

}  // namespace

std::vector<FoundCounterexample> findCounterexamples(std::span<const CounterexampleJob> jobs, unsigned workers) {
  std::vector<FoundCounterexample> results(jobs.size());
#ifdef __EMSCRIPTEN__
  (void)workers;
  for (std::size_t index = 0; index < jobs.size(); ++index) results[index] = search(jobs[index]);
#else
  if (workers == 0) workers = std::max(1U, std::thread::hardware_concurrency());
  std::vector<const RelationList*> lists;
  for (const CounterexampleJob& job : jobs) lists.push_back(job.data);
  readIntoMemoryOnce(lists);
  ForkedJobs children(workers);
  children.run(
      jobs.size(),
      [&](std::size_t index) {
        // The search stops itself at its limit; one evaluation past it is allowed for.
        const double seconds = 2 * std::clamp(jobs[index].limits.seconds, 0.0, 1e6) + 1;
        return std::chrono::duration_cast<ForkedJobs::Clock::duration>(std::chrono::duration<double>(seconds));
      },
      [&](std::size_t index) { return bytesOf(search(jobs[index])); },
      [&](std::size_t index, JobEnd end) {
        if (end.kind == JobEnd::Kind::finished) results[index] = foundOf(end.bytes);
      });
#endif
  return results;
}

}  // namespace qerix
