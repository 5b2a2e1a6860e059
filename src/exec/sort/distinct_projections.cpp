#include "exec/sort/distinct_projections.h"

#include <span>
#include <utility>

#include "exec/sort/merged_runs.h"
#include "exec/sort/record_sort.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/tuning.h"

namespace qerix {

namespace {

// Past this many distinct projections, three in four of them distinct: gather.
constexpr std::size_t gatherAfter = tuning::distinctGatherAfter;
// Gathered projections are sorted this many at a time, while more come in.
constexpr std::size_t runSize = tuning::distinctRunSize;

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
    gatheredText += projected;
    gatheredEnds.push_back(gatheredText.size());
    if (gatheredEnds.size() >= runSize) closeRun();
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
  }
  finished = true;
}

void DistinctProjections::moveTo(Relation& result) {
  finish();
  if (gathering) {
    result.setRecordSource(std::make_shared<MergedRuns>(projectedTypes, std::move(runs)));
    runs = {};
    return;
  }
  result.keepTextAlive(projectedText);
  result.appendRecordTexts(std::move(sorted));
}

std::vector<std::string> DistinctProjections::takeRuns() {
  finish();
  if (!gathering && !sorted.empty()) {
    appendRun(sorted);
    sorted = {};
  }
  return std::exchange(runs, {});
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
  std::size_t start = 0;
  for (const std::size_t end : gatheredEnds) {
    gathered.emplace_back(gatheredText.data() + start, end - start);
    start = end;
  }
  if (gathered.empty()) return;
  const int fieldCount = projectedTypes.getAttributeCount();
  stableSortRecords(gathered, projectedTypes, fieldCount);
  // Of equal ones, the last (the latest gathered, the sort being stable) stays.
  std::size_t lastCount = 0;
  for (std::size_t index = 0; index < gathered.size(); ++index) {
    const bool laterEqual = index + 1 < gathered.size() &&
                            compareValues(projectedTypes, fieldCount, gathered[index], gathered[index + 1]) == 0;
    if (!laterEqual) gathered[lastCount++] = gathered[index];
  }
  gathered.resize(lastCount);
  appendRun(gathered);
  gathered.clear();
  gatheredText.clear();
  gatheredEnds.clear();
}

void DistinctProjections::appendRun(std::span<const std::string_view> texts) {
  std::size_t bytes = 0;
  for (const std::string_view text : texts) bytes += text.size() + 1;
  std::string& run = runs.emplace_back();
  run.reserve(bytes);
  for (const std::string_view text : texts) {
    run += text;
    run += '\n';
  }
}

}  // namespace qerix
