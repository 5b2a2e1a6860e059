#include "algebra/theta_join_operator.h"

#include <ostream>

#include "conditions/condition_parser.h"
#include "conditions/logical_operators.h"
#include "exec/select/pair_search.h"

namespace qerix {

ThetaJoinOperator::ThetaJoinOperator() = default;

ThetaJoinOperator::ThetaJoinOperator(std::unique_ptr<ConditionTree> joinCondition)
    : condition(std::move(joinCondition)) {}

ThetaJoinOperator::~ThetaJoinOperator() = default;

void ThetaJoinOperator::setCondition(std::string_view text) {
  condition = std::make_unique<ConditionTree>(std::make_unique<DummyCondition>());
  parseCondition(*condition, text);
}

void ThetaJoinOperator::print(std::ostream& out) const { printWithCondition(out, "Join: ", condition.get()); }

void ThetaJoinOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  std::shared_ptr<Relation> first = takeOperand(left);
  std::shared_ptr<Relation> second = takeOperand(right);
  if (first && second) result = selectPairs(std::move(first), std::move(second), *condition);
}

}  // namespace qerix
