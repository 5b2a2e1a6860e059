#include "plan/joined_selection_projection_operator.h"

#include <optional>
#include <ostream>

#include "algebra/natural_join_operator.h"
#include "exec/hash/key_join.h"
#include "exec/pieces/record_pieces.h"
#include "exec/sort/merged_runs.h"
#include "exec/views/paired_records.h"

namespace qerix {

namespace {

bool hasAPair(const Relation& first, const KeyJoin& join, const KeyFields& firstKey) {
  std::string scratch;
  for (RecordScanner scanner(first); scanner.next();) {
    if (join.firstPartner(firstKey.keyOf(scanner.getCurrent().getValues(), scratch)) != RecordGroups::endOfGroup) {
      return true;
    }
  }
  return false;
}

}  // namespace

void JoinedSelectionProjectionOperator::print(std::ostream& out) const {
  out << "Join\n";
  SelectionProjectionBase::print(out);
}

void JoinedSelectionProjectionOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const std::unique_ptr<Relation> first = takeOperand(left);
  const std::unique_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  // The join's checks, as its node makes them.
  const SharedAttributes shared = SharedAttributes::of(first->getAttributes(), second->getAttributes());
  const Relation joined(NaturalJoinOperator::joinedAttributes(first->getAttributes(), second->getAttributes(), shared));
  const AttributeList& attributes = joined.getAttributes();
  std::optional<KeyJoin> join;
  if (!first->isEmpty() && !second->isEmpty()) {
    shared.requireSameTypes(first->getAttributes(), second->getAttributes());
    join.emplace(*second, KeyFields::at(shared.secondPositions), shared.keyTypes);
  }
  const KeyFields firstKey = KeyFields::at(shared.firstPositions);

  // Then the select's and the project's, over the join's records.
  const bool hasRecords = join && hasAPair(*first, *join, firstKey);
  ProjectOperator::Projection projection = prepare(attributes, hasRecords);
  if (!hasRecords) return;
  const bool readsFieldZero = projection.lacksAName();
  ConditionTree* const selectCondition = getCondition();
  auto selectAndProject = [&](const Relation& piece) {
    CompiledCondition filter(*selectCondition);
    auto projections = std::make_unique<DistinctProjections>(result->getAttributes(), projection.positions);
    std::string scratch;
    std::string joinedValues;
    for (RecordScanner scanner(piece); scanner.next();) {
      const Record record = scanner.getCurrent();
      for (auto partner = join->firstPartner(firstKey.keyOf(record.getValues(), scratch));
           partner != RecordGroups::endOfGroup; partner = join->nextPartner(partner)) {
        if (shared.isEmpty()) {
          PairedRecords::joinValues(record, second->getRecord(partner), joinedValues);
        } else {
          PairedRecords::joinValues(record, second->getRecord(partner), shared.secondOthers, joinedValues);
        }
        addWhenPasses(filter, Record(joined, joinedValues), readsFieldZero, *projections);
      }
    }
    projections->finish();
    return projections;
  };
  std::vector<std::unique_ptr<DistinctProjections>> pieces;
  if (CompiledCondition(*selectCondition).isSelfContained()) {
    pieces = mapPieces(*first, selectAndProject);
  } else {
    pieces.push_back(selectAndProject(*first));
  }
  if (pieces.size() == 1) {
    pieces[0]->moveTo(*result);
    return;
  }
  std::vector<std::string> runs;
  for (const auto& piece : pieces) {
    for (std::string& run : piece->takeRuns()) runs.push_back(std::move(run));
  }
  if (!runs.empty()) result->setRecordSource(std::make_shared<MergedRuns>(result->getAttributes(), std::move(runs)));
}

}  // namespace qerix
