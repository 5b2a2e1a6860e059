#include "tools/answer_runner.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <iomanip>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <utility>

#include "exec/pieces/record_pieces.h"
#include "model/message_catalogue.h"

#ifndef __EMSCRIPTEN__
#include "tools/forked_jobs.h"
#endif

namespace qerix {

namespace {

QueryOutcome evaluateWithin(const Evaluation& job) {
  // One thread: the other cores are busy with the other answers.
  return evaluateQuery(job.query, *job.relations, job.language, job.limits.records, false);
}

#ifndef __EMSCRIPTEN__

// Seconds as the verdict names them: "2", "0.5", without trailing zeros.
std::string secondsText(double seconds) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(6) << seconds;
  std::string written = text.str();
  written.erase(written.find_last_not_of('0') + 1);
  if (written.back() == '.') written.pop_back();
  return written;
}

// An outcome as the bytes a child sends: each number in eight bytes, each
// text its length and then its bytes.
class OutcomeWriter {
 public:
  static std::string write(const QueryOutcome& outcome) {
    OutcomeWriter writer;
    writer.number(static_cast<std::uint64_t>(outcome.stoppedBy));
    writer.text(outcome.limit);
    writer.number(outcome.failed);
    writer.text(outcome.message);
    writer.number(outcome.hasResult);
    writer.text(outcome.header);
    writer.number(outcome.records.size());
    for (const std::string& record : outcome.records) writer.text(record);
    return std::move(writer.bytes);
  }

 private:
  void number(std::uint64_t value) {
    for (int shift = 0; shift < 64; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
  }
  void text(std::string_view value) {
    number(value.size());
    bytes += value;
  }

  std::string bytes;
};

// Reads what OutcomeWriter wrote; nothing when the bytes are not whole.
class OutcomeReader {
 public:
  static std::optional<QueryOutcome> read(std::string_view bytes) {
    OutcomeReader reader(bytes);
    QueryOutcome outcome;
    std::uint64_t limit = 0;
    std::uint64_t failed = 0;
    std::uint64_t hasResult = 0;
    std::uint64_t count = 0;
    if (!reader.number(limit) || limit > static_cast<std::uint64_t>(QueryOutcome::Limit::records) ||
        !reader.text(outcome.limit) || !reader.number(failed) || !reader.text(outcome.message) ||
        !reader.number(hasResult) || !reader.text(outcome.header) || !reader.number(count)) {
      return std::nullopt;
    }
    outcome.stoppedBy = static_cast<QueryOutcome::Limit>(limit);
    outcome.failed = failed != 0;
    outcome.hasResult = hasResult != 0;
    // Each record takes eight bytes at least: a count beyond that is no count.
    if (count > reader.rest.size() / 8) return std::nullopt;
    outcome.records.resize(count);
    for (std::string& record : outcome.records) {
      if (!reader.text(record)) return std::nullopt;
    }
    if (!reader.rest.empty()) return std::nullopt;
    return outcome;
  }

 private:
  explicit OutcomeReader(std::string_view bytes) : rest(bytes) {}

  bool number(std::uint64_t& value) {
    if (rest.size() < 8) return false;
    value = 0;
    for (int at = 7; at >= 0; --at) value = (value << 8) | static_cast<unsigned char>(rest[at]);
    rest.remove_prefix(8);
    return true;
  }
  bool text(std::string& value) {
    std::uint64_t size = 0;
    if (!number(size) || size > rest.size()) return false;
    value.assign(rest.substr(0, size));
    rest.remove_prefix(size);
    return true;
  }

  std::string_view rest;
};

// A signal by its usual name where it has one that a crash or the kernel
// sends; by its number otherwise.
std::string signalName(int signal) {
  switch (signal) {
    case SIGSEGV:
      return "SIGSEGV";
    case SIGBUS:
      return "SIGBUS";
    case SIGABRT:
      return "SIGABRT";
    case SIGFPE:
      return "SIGFPE";
    case SIGILL:
      return "SIGILL";
    case SIGKILL:
      return "SIGKILL";
    case SIGTERM:
      return "SIGTERM";
    default:
      return std::to_string(signal);
  }
}

QueryOutcome outcomeOf(const Evaluation& job, JobEnd end) {
  QueryOutcome outcome;
  switch (end.kind) {
    case JobEnd::Kind::finished:
      if (std::optional<QueryOutcome> sent = OutcomeReader::read(end.bytes)) return std::move(*sent);
      outcome.failed = true;
      outcome.message = textOf(Text::evaluationExited, {"0"});
      return outcome;
    case JobEnd::Kind::timedOut:
      outcome.stoppedBy = QueryOutcome::Limit::time;
      outcome.limit = secondsText(job.limits.seconds);
      return outcome;
    case JobEnd::Kind::signalled:
      outcome.failed = true;
      outcome.message = textOf(Text::evaluationSignalled, {signalName(end.code)});
      return outcome;
    case JobEnd::Kind::exited:
      outcome.failed = true;
      outcome.message = textOf(Text::evaluationExited, {std::to_string(end.code)});
      return outcome;
  }
  return outcome;
}

// The time limit as the clock counts; beyond a year is as good as none.
std::chrono::steady_clock::duration timeOf(const Evaluation& job) {
  constexpr double year = 365.0 * 24 * 3600;
  const double seconds = std::clamp(job.limits.seconds, 0.0, year);
  return std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
}

#endif

}  // namespace

void evaluateEach(std::span<const Evaluation> jobs, unsigned workers,
                  const std::function<void(std::size_t index, QueryOutcome outcome)>& onOutcome) {
#ifdef __EMSCRIPTEN__
  // A page can start no process, and its one thread cannot be stopped from
  // outside: the answers run one after another here, and only the record
  // limit binds them.
  (void)workers;
  for (std::size_t index = 0; index < jobs.size(); ++index) onOutcome(index, evaluateWithin(jobs[index]));
#else
  if (workers == 0) workers = std::max(1U, std::thread::hardware_concurrency());
  std::vector<const RelationList*> lists;
  for (const Evaluation& job : jobs) lists.push_back(job.relations);
  readIntoMemoryOnce(lists);
  ForkedJobs children(workers);
  children.run(
      jobs.size(), [&](std::size_t index) { return timeOf(jobs[index]); },
      [&](std::size_t index) { return OutcomeWriter::write(evaluateWithin(jobs[index])); },
      [&](std::size_t index, JobEnd end) { onOutcome(index, outcomeOf(jobs[index], std::move(end))); });
#endif
}

void readIntoMemoryOnce(std::span<const RelationList* const> lists) {
  std::set<const RelationList*> read;
  for (const RelationList* list : lists) {
    if (!read.insert(list).second) continue;
    for (const std::unique_ptr<Relation>& relation : *list) materialize(*relation);
  }
}

std::optional<double> readTimeLimit(std::string_view text) {
  constexpr std::size_t mostDigits = 9;  // on either side of the point
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
  const auto digitsOnly = [](std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), [](char digit) { return digit >= '0' && digit <= '9'; });
  };
  if (whole.empty() || whole.size() > mostDigits || !digitsOnly(whole) || fraction.size() > mostDigits ||
      !digitsOnly(fraction) || (point != std::string_view::npos && fraction.empty())) {
    return std::nullopt;
  }
  double seconds = 0;
  for (const char digit : whole) seconds = seconds * 10 + (digit - '0');
  double scale = 1;
  for (const char digit : fraction) seconds += (digit - '0') * (scale /= 10);
  if (seconds <= 0 || seconds > 1'000'000) return std::nullopt;
  return seconds;
}

std::optional<std::uint64_t> readRecordLimit(std::string_view text) {
  std::uint64_t records = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), records);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || records == 0) return std::nullopt;
  return records;
}

std::vector<QueryOutcome> evaluateAll(std::span<const Evaluation> jobs, unsigned workers) {
  std::vector<QueryOutcome> outcomes(jobs.size());
  evaluateEach(jobs, workers, [&](std::size_t index, QueryOutcome outcome) { outcomes[index] = std::move(outcome); });
  return outcomes;
}

}  // namespace qerix
