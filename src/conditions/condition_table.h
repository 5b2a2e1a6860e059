#ifndef QERIX_CONDITIONS_CONDITION_TABLE_H
#define QERIX_CONDITIONS_CONDITION_TABLE_H

#include <memory>
#include <span>
#include <string_view>

#include "conditions/logical_operator.h"

namespace qerix {

// The condition forms of the query language, with their spellings in each
// notation; the operators' part of the table (query/language_table.h) lies
// above, as the operators take conditions. Spellings with alternatives list
// them separated by one blank, the one printers write first.

// What a condition node computes from its operands or children.
enum class ConditionForm { comparison, both, either, negation };

using MakeCondition = std::unique_ptr<LogicalOperator> (*)();

struct ConditionEntry {
  std::string_view keyword;  // prefix, upper-case
  std::string_view symbols;
  std::string_view words;
  std::string_view latex;
  ConditionForm form;
  int precedence;  // AND binds tighter than OR; comparisons and NOT tightest
  MakeCondition make;
};

std::span<const ConditionEntry> conditionEntries();

// The entry whose prefix keyword this is.
const ConditionEntry* findConditionKeyword(std::string_view keyword);

}  // namespace qerix

#endif  // QERIX_CONDITIONS_CONDITION_TABLE_H
