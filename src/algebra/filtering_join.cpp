#include "algebra/filtering_join.h"

#include <ostream>
#include <string>

#include "algebra/shared_attributes.h"
#include "conditions/condition_parser.h"
#include "conditions/logical_operators.h"
#include "exec/hash/record_set.h"
#include "exec/select/pair_search.h"
#include "exec/select/record_filter.h"

namespace qerix {

FilteringJoin::FilteringJoin() = default;

FilteringJoin::~FilteringJoin() = default;

void FilteringJoin::setCondition(std::string_view text) {
  condition = std::make_unique<ConditionTree>(std::make_unique<DummyCondition>());
  parseCondition(*condition, text);
}

void FilteringJoin::print(std::ostream& out) const {
  if (condition) {
    printWithCondition(out, std::string(printedName()) + ": ", condition.get());
  } else {
    out << printedName() << '\n';
  }
}

void FilteringJoin::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const std::unique_ptr<Relation> first = takeOperand(left);
  const std::unique_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  std::vector<bool> kept = findMatched(*first, *second, condition.get());
  if (!keepsMatched()) kept.flip();
  result = std::make_unique<Relation>(first->getAttributes());
  if (!first->isEmpty()) appendChosen(*result, *first, std::move(kept));
}

std::vector<bool> FilteringJoin::findMatched(const Relation& first, Relation& second, ConditionTree* condition) {
  if (condition) return findPartners(first, second, *condition);
  const SharedAttributes shared = SharedAttributes::of(first.getAttributes(), second.getAttributes());
  if (first.isEmpty()) return {};
  // Without a pair there is no comparison: every record lacks a partner.
  if (second.isEmpty()) return std::vector<bool>(first.getRecordCount(), false);
  shared.requireSameTypes(first.getAttributes(), second.getAttributes());
  // Without a shared attribute every record of the second matches.
  if (shared.isEmpty()) return std::vector<bool>(first.getRecordCount(), true);
  const RecordSet partners(second, KeyFields::at(shared.secondPositions), shared.keyTypes);
  return partners.findEach(first, KeyFields::at(shared.firstPositions), false);
}

}  // namespace qerix
