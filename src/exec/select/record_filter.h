#ifndef QERIX_EXEC_SELECT_RECORD_FILTER_H
#define QERIX_EXEC_SELECT_RECORD_FILTER_H

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "conditions/compiled_condition.h"
#include "model/relation.h"
#include "model/text_arena.h"

namespace qerix {

// Selection by bits: the records of an input that pass a test, kept as one
// bit per record of the input rather than as copies.

// Appends the records of `input` whose chosen[k] is set (k counting its
// records from 0), in order, without copying a record that is still in the
// input file: the result then reads them from there through the bits.
// `input` has the result's attribute count.
void appendChosen(Relation& result, const Relation& input, std::vector<bool> chosen);

// The records of an input for which a bound condition holds, gathered while
// the input is read once, in order: one bit per record, or, while they stay
// small, copies of the records that pass.
class RecordFilter {
 public:
  enum class Input { inMemory, inFile };

  // `condition` must be bound to the input's attributes.
  RecordFilter(ConditionTree& condition, Input input);

  void offer(const Record& record);  // the input's next record

  // The records that passed go to `result`: the copies, or those of `input`
  // whose bit is set.
  void moveTo(Relation& result, const Relation& input);

 private:
  // A result much smaller than an input still in the input file is cheaper
  // to copy while the input is read than to find again by reading the input
  // once more. The copies are kept until they grow past a quarter of the
  // bytes read; then they are given up.
  void copy(std::string_view values, bool passes);

  CompiledCondition test;
  const bool fromFile;  // or from another source than memory
  bool copying;
  std::vector<bool> chosen;
  std::shared_ptr<TextArena> copiedText = std::make_shared<TextArena>();
  std::vector<std::string_view> copies;
  std::size_t readBytes = 0;
  std::size_t copiedBytes = 0;
};

}  // namespace qerix

#endif  // QERIX_EXEC_SELECT_RECORD_FILTER_H
