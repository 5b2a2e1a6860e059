#include "algebra/outer_join_operator.h"

#include <ostream>
#include <string>
#include <vector>

#include "algebra/natural_join_operator.h"
#include "algebra/shared_attributes.h"
#include "conditions/condition_parser.h"
#include "conditions/logical_operators.h"
#include "exec/hash/key_join.h"
#include "exec/pieces/record_pieces.h"
#include "exec/select/pair_search.h"
#include "exec/views/outer_joined_records.h"
#include "model/record_values.h"

namespace qerix {

namespace {

std::vector<int> allPositions(int count) {
  std::vector<int> positions;
  for (int position = 1; position <= count; ++position) positions.push_back(position);
  return positions;
}

}  // namespace

OuterJoinOperator::OuterJoinOperator(OuterSide keptSide) : side(keptSide) {}

OuterJoinOperator::~OuterJoinOperator() = default;

void OuterJoinOperator::setCondition(std::string_view text) {
  condition = std::make_unique<ConditionTree>(std::make_unique<DummyCondition>());
  parseCondition(*condition, text);
}

std::string_view OuterJoinOperator::getKeyword() const {
  switch (side) {
    case OuterSide::left:
      return "leftjoin";
    case OuterSide::right:
      return "rightjoin";
    case OuterSide::full:
      break;
  }
  return "fulljoin";
}

void OuterJoinOperator::print(std::ostream& out) const {
  const std::string title = side == OuterSide::left    ? "Left outer join"
                            : side == OuterSide::right ? "Right outer join"
                                                       : "Full outer join";
  if (condition) {
    printWithCondition(out, title + ": ", condition.get());
  } else {
    out << title << '\n';
  }
}

void OuterJoinOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  std::shared_ptr<Relation> first = takeOperand(left);
  std::shared_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  OuterLayout layout;
  layout.keepsFirst = side != OuterSide::right;
  layout.keepsSecond = side != OuterSide::left;
  layout.secondForFirst.assign(static_cast<std::size_t>(first->getAttributeCount()), 0);
  std::vector<std::uint32_t> members;
  AttributeList attributes;
  if (condition) {
    attributes = first->getAttributes();
    attributes.addAttributes(second->getAttributes());
    layout.secondKept = allPositions(second->getAttributeCount());
    layout.keepsAllOfSecond = true;
    members = findPairMembers(*first, *second, *condition);
  } else {
    const SharedAttributes shared = SharedAttributes::of(first->getAttributes(), second->getAttributes());
    attributes = NaturalJoinOperator::joinedAttributes(first->getAttributes(), second->getAttributes(), shared);
    for (std::size_t index = 0; index < shared.firstPositions.size(); ++index) {
      layout.secondForFirst[indexOf(shared.firstPositions[index])] = shared.secondPositions[index];
    }
    // Every position of the second when none is shared.
    layout.secondKept = shared.secondOthers;
    layout.keepsAllOfSecond = shared.isEmpty();
    // The first pair is where a comparison of the shared attributes would meet their types.
    if (!first->isEmpty() && !second->isEmpty()) {
      shared.requireSameTypes(first->getAttributes(), second->getAttributes());
      const KeyJoin join(*second, KeyFields::at(shared.secondPositions), shared.keyTypes);
      members = join.partnersOf(*first, KeyFields::at(shared.firstPositions));
    }
  }
  result = std::make_unique<Relation>(std::move(attributes));
  materialize(*second);
  result->setRecordSource(
      std::make_shared<OuterJoinedRecords>(std::move(first), std::move(second), std::move(members), std::move(layout)));
}

}  // namespace qerix
