#include "conditions/condition_table.h"

#include <array>

#include "conditions/comparison_operators.h"
#include "conditions/logical_operators.h"

namespace qerix {

namespace {

template <class Node>
std::unique_ptr<LogicalOperator> makeCondition() {
  return std::make_unique<Node>();
}

using Condition = ConditionForm;

constexpr std::array conditions = {
    ConditionEntry{"EQ", "=", "=", "=", Condition::comparison, 3, makeCondition<EqOperator>},
    ConditionEntry{"NEQ", "≠", "!= <>", "\\neq \\ne", Condition::comparison, 3, makeCondition<NeqOperator>},
    ConditionEntry{"LT", "<", "<", "<", Condition::comparison, 3, makeCondition<LtOperator>},
    ConditionEntry{"LTE", "≤", "<=", "\\leq \\le", Condition::comparison, 3, makeCondition<LteOperator>},
    ConditionEntry{"GT", ">", ">", ">", Condition::comparison, 3, makeCondition<GtOperator>},
    ConditionEntry{"GTE", "≥", ">=", "\\geq \\ge", Condition::comparison, 3, makeCondition<GteOperator>},
    ConditionEntry{"AND", "∧", "and", "\\land \\wedge", Condition::both, 2, makeCondition<AndOperator>},
    ConditionEntry{"OR", "∨", "or", "\\lor \\vee", Condition::either, 1, makeCondition<OrOperator>},
    ConditionEntry{"NOT", "¬", "not", "\\lnot \\neg", Condition::negation, 3, makeCondition<NotOperator>},
};

}  // namespace

std::span<const ConditionEntry> conditionEntries() { return conditions; }

const ConditionEntry* findConditionKeyword(std::string_view keyword) {
  for (const ConditionEntry& entry : conditions) {
    if (entry.keyword == keyword) return &entry;
  }
  return nullptr;
}

}  // namespace qerix
