#include "algebra/distinct_projections.h"

#include <queue>
#include <span>

#include "model/record_order.h"
#include "model/record_values.h"

namespace qerix {

namespace {

// Past this many distinct projections, three in four of them distinct: gather.
constexpr std::size_t gatherAfter = std::size_t{1} << 16;
// Gathered projections are sorted this many at a time, while more come in.
constexpr std::size_t runSize = std::size_t{1} << 16;

// Appends the values at the given positions (ascending, from 1), joined by commas.
void appendProjection(std::string_view values, const std::vector<int>& positions, std::string& out) {
  ValueCursor cursor(values);
  int fieldno = 0;
  for (const int position : positions) {
    std::string_view value;
    while (fieldno < position) {
      value = cursor.next();
      ++fieldno;
    }
    if (position != positions.front()) out += ',';
    out += value;
  }
}

}  // namespace

DistinctProjections::DistinctProjections(const AttributeList& types, std::vector<int> positions)
    : projectedTypes(types), kept(std::move(positions)), distinct(types, types.getAttributeCount(), 1024) {}

void DistinctProjections::add(std::string_view values) {
  if (gathering) {
    projection.clear();
    project(values, projection);
    addProjection(projection);
    return;
  }
  project(values, batch.startText());
  if (batch.full()) addBatch();
}

void DistinctProjections::project(std::string_view values, std::string& out) const {
  appendProjection(values, kept, out);
}

void DistinctProjections::addProjection(std::string_view projected) {
  if (gathering) {
    gathered.push_back(projectedText->store(projected));
    if (gathered.size() >= runSize) closeRun();
    return;
  }
  batch.startText() += projected;
  if (batch.full()) addBatch();
}

void DistinctProjections::finish() {
  if (finished) return;
  addBatch();
  if (!gathering) {
    sorted = distinct.takeTexts();
    stableSortRecords(sorted, projectedTypes, projectedTypes.getAttributeCount());
  } else {
    closeRun();
    sorted = runs.size() == 1 ? std::move(runs.front()) : mergeRuns();
    runs = {};
  }
  finished = true;
}

void DistinctProjections::moveTo(Relation& result) {
  finish();
  result.keepTextAlive(projectedText);
  result.appendRecordTexts(std::move(sorted));
}

void DistinctProjections::addBatch() {
  const std::span<const std::string_view> projected = batch.texts();
  distinct.hashBatch(projected, hashes);
  for (std::size_t index = 0; index < projected.size(); ++index) {
    if (const auto found = distinct.find(projected[index], hashes[index])) {
      if (distinct.at(*found) != projected[index]) distinct.replace(*found, projectedText->store(projected[index]));
    } else {
      distinct.add(projectedText->store(projected[index]), hashes[index]);
    }
  }
  projectedCount += projected.size();
  batch.clear();
  if (!gathering && distinct.size() >= gatherAfter && distinct.size() * 4 > projectedCount * 3) {
    // The texts so far come first in the order of their first projection,
    // each the last projection equal to it: sorting keeps them before the
    // later equal ones.
    gathered = distinct.takeTexts();
    gathering = true;
    closeRun();
  }
}

void DistinctProjections::closeRun() {
  if (gathered.empty()) return;
  const int fieldCount = projectedTypes.getAttributeCount();
  stableSortRecords(gathered, projectedTypes, fieldCount);
  std::vector<std::string_view>& run = runs.emplace_back();
  run.reserve(gathered.size());
  for (std::size_t index = 0; index < gathered.size(); ++index) {
    const bool laterEqual = index + 1 < gathered.size() &&
                            compareValues(projectedTypes, fieldCount, gathered[index], gathered[index + 1]) == 0;
    if (!laterEqual) run.push_back(gathered[index]);
  }
  gathered.clear();
}

std::vector<std::string_view> DistinctProjections::mergeRuns() const {
  const int fieldCount = projectedTypes.getAttributeCount();
  // A single text value orders as its bytes.
  const bool bytesOrder = fieldCount == 1 && !projectedTypes.isNumeric(1);
  auto compare = [&](std::string_view left, std::string_view right) {
    return bytesOrder ? left <=> right : compareValues(projectedTypes, fieldCount, left, right);
  };
  struct Head {
    LeadingKey key;  // of the text, which decides most comparisons at once
    std::string_view text;
    std::size_t run;
    std::size_t index;
  };
  auto headOf = [&](std::size_t run, std::size_t index) {
    const std::string_view text = runs[run][index];
    return Head{leadingKey(projectedTypes, text), text, run, index};
  };
  // The smallest projection comes out first; of equal ones, that of the latest run.
  auto comesOutAfter = [&](const Head& left, const Head& right) {
    if (left.key != right.key) return left.key > right.key;
    const auto order = compare(left.text, right.text);
    return order != 0 ? order > 0 : left.run < right.run;
  };
  std::priority_queue<Head, std::vector<Head>, decltype(comesOutAfter)> heads(comesOutAfter);
  std::size_t total = 0;
  for (std::size_t run = 0; run < runs.size(); ++run) {
    total += runs[run].size();
    if (!runs[run].empty()) heads.push(headOf(run, 0));
  }
  auto advance = [&](const Head& head) {
    if (head.index + 1 < runs[head.run].size()) heads.push(headOf(head.run, head.index + 1));
  };
  std::vector<std::string_view> merged;
  merged.reserve(total);
  while (!heads.empty()) {
    const Head smallest = heads.top();
    heads.pop();
    merged.push_back(smallest.text);
    advance(smallest);
    // Each run holds each projection once: an equal one of an earlier run is at its head.
    while (!heads.empty() && heads.top().key == smallest.key && compare(heads.top().text, smallest.text) == 0) {
      const Head dropped = heads.top();
      heads.pop();
      advance(dropped);
    }
  }
  return merged;
}

}  // namespace qerix
