#include "exec/sort/merged_runs.h"

#include <queue>
#include <string_view>

#include "model/record_order.h"

namespace qerix {

class MergedRuns::Stream : public RecordStream {
 public:
  explicit Stream(const MergedRuns& source)
      : merged(source),
        // A single text value orders as its bytes.
        bytesOrder(source.types.getAttributeCount() == 1 && source.types.getKind(1) == ValueKind::text),
        heads(ComesOutAfter{this}) {
    for (std::size_t run = 0; run < merged.runs.size(); ++run) advance(run, 0);
  }

  bool next(std::string_view& values) override {
    if (heads.empty()) return false;
    const Head smallest = heads.top();
    heads.pop();
    advance(smallest.run, smallest.nextStart);
    // Each run holds each text once: an equal one of an earlier run is at its head.
    while (!heads.empty() && heads.top().key == smallest.key && compare(heads.top().text, smallest.text) == 0) {
      const Head dropped = heads.top();
      heads.pop();
      advance(dropped.run, dropped.nextStart);
    }
    values = smallest.text;
    return true;
  }

 private:
  struct Head {
    LeadingKey key;  // of the text, which decides most comparisons at once
    std::string_view text;
    std::size_t run;
    std::size_t nextStart;  // of the next text in its run
  };
  // The smallest text comes out first; of equal ones, that of the latest run.
  struct ComesOutAfter {
    const Stream* stream;
    bool operator()(const Head& left, const Head& right) const {
      if (left.key != right.key) return left.key > right.key;
      const auto order = stream->compare(left.text, right.text);
      return order != 0 ? order > 0 : left.run < right.run;
    }
  };

  std::weak_ordering compare(std::string_view left, std::string_view right) const {
    return bytesOrder ? compareValue(left, right, ValueKind::text)
                      : compareValues(merged.types, merged.types.getAttributeCount(), left, right);
  }

  // Puts the text of `run` that starts at `start`, if any, among the heads.
  void advance(std::size_t run, std::size_t start) {
    const std::string& lines = merged.runs[run];
    if (start >= lines.size()) return;
    const std::size_t end = lines.find('\n', start);
    const std::string_view text(lines.data() + start, end - start);
    heads.push(Head{leadingKey(merged.types, text), text, run, end + 1});
  }

  const MergedRuns& merged;
  const bool bytesOrder;
  std::priority_queue<Head, std::vector<Head>, ComesOutAfter> heads;
};

MergedRuns::MergedRuns(AttributeList recordTypes, std::vector<std::string> sortedRuns)
    : types(std::move(recordTypes)), runs(std::move(sortedRuns)) {}

std::size_t MergedRuns::getRecordCount() const {
  std::call_once(counted, [this] {
    Stream stream(*this);
    for (std::string_view values; stream.next(values);) ++count;
  });
  return count;
}

std::unique_ptr<RecordStream> MergedRuns::open() const { return std::make_unique<Stream>(*this); }

}  // namespace qerix
