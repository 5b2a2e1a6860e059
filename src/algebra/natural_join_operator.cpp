#include "algebra/natural_join_operator.h"

#include <ostream>

#include "exec/hash/key_join.h"
#include "exec/views/paired_records.h"

namespace qerix {

void NaturalJoinOperator::print(std::ostream& out) const { out << "Join\n"; }

AttributeList NaturalJoinOperator::joinedAttributes(const AttributeList& first, const AttributeList& second,
                                                    const SharedAttributes& shared) {
  AttributeList attributes = first;
  // A shared attribute came from both sides, so either side's name finds it.
  for (std::size_t index = 0; index < shared.firstPositions.size(); ++index) {
    attributes.addOrigins(shared.firstPositions[index], second, shared.secondPositions[index]);
  }
  for (const int position : shared.secondOthers) attributes.addAttributeFrom(second, position);
  return attributes;
}

void NaturalJoinOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  std::shared_ptr<Relation> first = takeOperand(left);
  std::shared_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  const SharedAttributes shared = SharedAttributes::of(first->getAttributes(), second->getAttributes());
  result = std::make_unique<Relation>(joinedAttributes(first->getAttributes(), second->getAttributes(), shared));
  // The first pair is where a comparison of the shared attributes would meet their types.
  if (first->isEmpty() || second->isEmpty()) return;
  shared.requireSameTypes(first->getAttributes(), second->getAttributes());
  const KeyJoin join(*second, KeyFields::at(shared.secondPositions), shared.keyTypes);
  std::vector<std::uint32_t> partners = join.partnersOf(*first, KeyFields::at(shared.firstPositions));
  if (partners.size() == first->getRecordCount()) return;  // only ends of lists: no pair
  // Without a shared attribute every field of the second stays.
  std::optional<std::vector<int>> kept;
  if (!shared.isEmpty()) kept = shared.secondOthers;
  result->setRecordSource(
      std::make_shared<PairedRecords>(std::move(first), std::move(second), std::move(partners), std::move(kept)));
}

}  // namespace qerix
