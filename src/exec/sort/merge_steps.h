#ifndef QERIX_EXEC_SORT_MERGE_STEPS_H
#define QERIX_EXEC_SORT_MERGE_STEPS_H

#include <compare>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "exec/views/merged_records.h"
#include "model/prefetch.h"
#include "model/record.h"
#include "model/record_order.h"
#include "model/relation.h"
#include "model/tuning.h"

namespace qerix {

// The merge step by step of two relations in ascending record order: what
// union gives. Of two equal records, one from each side, the first side's is
// kept; records are compared from the first side (its field count and
// types), and a step that would copy a second record with more values than
// the first has attributes ends the run with the setValue message.
//
// The first relation is read through nextFirst(values), the second's
// records come from `secondTexts`, in memory. With `checkOrder` set, gives
// up (returning false) as soon as the first relation's records turn out not
// to be ascending, `previous` then holding the last record read; otherwise
// it always completes.
template <class NextFirst>
bool mergeSteps(const Relation& first, const Relation& second, std::span<const std::string_view> secondTexts,
                bool checkOrder, std::vector<MergedRecords::Step>& steps, std::string& previous, NextFirst nextFirst) {
  using Step = MergedRecords::Step;
  const int width = first.getAttributeCount();
  const int secondWidth = second.getAttributeCount();
  std::string_view firstValues;
  bool firstLeft = nextFirst(firstValues);
  auto takeFirst = [&] {
    if (checkOrder) previous.assign(firstValues);
    firstLeft = nextFirst(firstValues);
    return !(checkOrder && firstLeft && compareValues(first.getAttributes(), width, firstValues, previous) < 0);
  };
  std::size_t secondIndex = 0;
  while (firstLeft || secondIndex < secondTexts.size()) {
    std::weak_ordering order = std::weak_ordering::greater;  // with the first exhausted, the second's comes
    if (secondIndex + tuning::prefetchDistance < secondTexts.size()) {
      prefetch(secondTexts[secondIndex + tuning::prefetchDistance].data());
    }
    if (firstLeft && secondIndex < secondTexts.size()) {
      order = Record(first, firstValues).compareTo(Record(second, secondTexts[secondIndex]));
    } else if (firstLeft) {
      order = std::weak_ordering::less;
    }
    if (order > 0) {
      // Copying a record with more values than the result has ends the run.
      if (secondWidth > width) failSetValue();
      steps.push_back(Step::second);
      ++secondIndex;
      continue;
    }
    steps.push_back(order == 0 ? Step::firstOverSecond : Step::first);
    if (order == 0) ++secondIndex;
    if (!takeFirst()) return false;
  }
  return true;
}

}  // namespace qerix

#endif  // QERIX_EXEC_SORT_MERGE_STEPS_H
