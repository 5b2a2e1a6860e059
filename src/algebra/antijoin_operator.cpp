#include "algebra/antijoin_operator.h"

#include "algebra/semijoin_operator.h"
#include "conditions/logical_operators.h"
#include "exec/selection.h"
#include "query/condition_parser.h"

namespace qerix {

AntijoinOperator::AntijoinOperator() = default;

AntijoinOperator::~AntijoinOperator() = default;

void AntijoinOperator::setCondition(std::string_view text) {
  condition = std::make_unique<ConditionTree>(std::make_unique<DummyCondition>());
  parseCondition(*condition, text);
}

void AntijoinOperator::print(std::ostream& out) const { printFilteringJoin(out, "Antijoin", condition.get()); }

void AntijoinOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const std::unique_ptr<Relation> first = takeOperand(left);
  const std::unique_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  std::vector<bool> unmatched = SemijoinOperator::findMatched(*first, *second, condition.get());
  unmatched.flip();
  result = std::make_unique<Relation>(first->getAttributes());
  if (!first->isEmpty()) appendChosen(*result, *first, std::move(unmatched));
}

}  // namespace qerix
