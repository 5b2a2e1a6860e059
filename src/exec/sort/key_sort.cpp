#include "exec/sort/key_sort.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <numeric>
#include <utility>

#include "exec/pieces/scheduler.h"
#include "model/null_value.h"
#include "model/prefetch.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/tuning.h"

namespace qerix {

namespace {

constexpr std::size_t textCodeBytes = 7;

// A range of the order still to be sorted by one key from a byte offset on;
// the records before it in the order are settled.
struct Step {
  std::size_t begin;
  std::size_t end;
  std::size_t key;
  std::size_t offset;
};

class KeySort {
 public:
  KeySort(std::span<const std::string_view> sortedRecords, std::span<const SortField> sortKeys)
      : records(sortedRecords), keys(sortKeys), order(records.size()) {
    std::iota(order.begin(), order.end(), 0U);
  }

  std::vector<std::uint32_t> sorted() && {
    if (keys.empty() || order.size() < 2) return std::move(order);
    std::vector<Step> steps;
    orderAll(steps);
    while (!steps.empty()) {
      const Step step = steps.back();
      steps.pop_back();
      orderRun(step, steps);
    }
    return std::move(order);
  }

 private:
  // A code of a key's value from the step's offset on that orders like the
  // values do, and is equal only for values equal there or that a further
  // step tells apart (see takeRun): a number's is the number; a decimal's
  // is its whole part (offset 0), then its fraction (offset 1); a text's is
  // seven bytes and their count plus one, 9 for more.
  std::uint64_t codeOf(std::uint32_t record, const Step& step) const {
    const SortField& key = keys[step.key];
    const std::string_view value = valueOf(record, step.key);
    std::uint64_t code = 0;  // a null's, before every value
    if (!isNull(value)) {
      switch (key.kind) {
        case ValueKind::number:
          code = (std::uint64_t{1} << 32) + numberKey(value);
          break;
        case ValueKind::decimal:
          code = step.offset == 0 ? decimalKey(value).high : decimalKey(value).low;
          break;
        case ValueKind::text: {
          const std::size_t rest = value.size() > step.offset ? value.size() - step.offset : 0;
          code = (bytesKey(value, step.offset) & ~std::uint64_t{0xFF}) | (rest > textCodeBytes ? 9 : rest + 1);
          break;
        }
      }
    }
    return key.descending ? ~code : code;
  }

  // Whether the values of a run of equal codes may still differ.
  bool needsAnotherStep(const Step& run, std::uint64_t runCode) const {
    const SortField& key = keys[run.key];
    const std::uint64_t code = runCode ^ (key.descending ? ~std::uint64_t{0} : 0);
    if (key.kind == ValueKind::decimal) return run.offset == 0 && code != 0;
    return key.kind == ValueKind::text && (code & 0xFF) == 9;
  }

  std::string_view valueOf(std::uint32_t record, std::size_t key) const {
    return valueAt(records[record], keys[key].position);
  }

  // The first step: every record by its first key, in two pieces at once
  // when there are many. The codes wait by record number, so that the order
  // alone moves.
  void orderAll(std::vector<Step>& steps) {
    const Step all{0, order.size(), 0, 0};
    std::vector<std::uint64_t> codes(order.size());
    for (std::uint32_t record = 0; record < codes.size(); ++record) codes[record] = codeOf(record, all);
    const auto less = [&codes](std::uint32_t left, std::uint32_t right) {
      return codes[left] != codes[right] ? codes[left] < codes[right] : left < right;
    };
    if (order.size() < tuning::parallelFrom || Scheduler::pieceCount() < 2) {
      std::sort(order.begin(), order.end(), less);
    } else {
      const auto middle = order.begin() + static_cast<std::ptrdiff_t>(order.size() / 2);
      Scheduler::forEachPiece(2, [&](std::size_t piece) {
        if (piece == 0) {
          std::sort(order.begin(), middle, less);
        } else {
          std::sort(middle, order.end(), less);
        }
      });
      std::inplace_merge(order.begin(), middle, order.end(), less);
    }
    takeRuns(all, steps, [&](std::size_t index) { return codes[order[index]]; });
  }

  // A later step: a run's codes beside its record numbers, which a sort
  // reads at once, where codes looked up by number would be far apart.
  void orderRun(const Step& step, std::vector<Step>& steps) {
    entries.clear();
    for (std::size_t index = step.begin; index < step.end; ++index) {
      if (index + tuning::prefetchDistance < step.end) prefetch(records[order[index + tuning::prefetchDistance]].data());
      entries.push_back({codeOf(order[index], step), order[index]});
    }
    std::sort(entries.begin(), entries.end());
    for (std::size_t index = 0; index < entries.size(); ++index) order[step.begin + index] = entries[index].record;
    takeRuns(step, steps, [&](std::size_t index) { return entries[index - step.begin].code; });
  }

  // Each run of equal codes in the step's range: settled, or a step of its own.
  template <class CodeAt>
  void takeRuns(const Step& step, std::vector<Step>& steps, CodeAt codeAt) {
    for (std::size_t begin = step.begin; begin < step.end;) {
      const std::uint64_t code = codeAt(begin);
      std::size_t end = begin + 1;
      while (end < step.end && codeAt(end) == code) ++end;
      if (end - begin > 1) takeRun({begin, end, step.key, step.offset}, code, steps);
      begin = end;
    }
  }

  void takeRun(const Step& run, std::uint64_t code, std::vector<Step>& steps) {
    if (needsAnotherStep(run, code)) {
      const std::size_t offset = keys[run.key].kind == ValueKind::text ? run.offset + textCodeBytes : 1;
      steps.push_back({run.begin, run.end, run.key, offset});
    } else if (run.key + 1 < keys.size()) {
      steps.push_back({run.begin, run.end, run.key + 1, 0});
    }
  }

  std::span<const std::string_view> records;
  std::span<const SortField> keys;
  std::vector<std::uint32_t> order;
  struct Entry {
    std::uint64_t code;
    std::uint32_t record;
    auto operator<=>(const Entry&) const = default;
  };
  std::vector<Entry> entries;  // of the run being ordered
};

}  // namespace

std::vector<std::uint32_t> sortedByKeys(std::span<const std::string_view> records,
                                        std::span<const SortField> keys) {
  assert(records.size() < UINT32_MAX && "record numbers fit 32 bits");
  return KeySort(records, keys).sorted();
}

}  // namespace qerix
