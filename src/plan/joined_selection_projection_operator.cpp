#include "plan/joined_selection_projection_operator.h"

#include <optional>
#include <ostream>

#include "algebra/natural_join_operator.h"
#include "algebra/project_operator.h"
#include "conditions/compiled_condition.h"
#include "exec/hash/key_join.h"
#include "exec/pieces/record_pieces.h"
#include "exec/sort/distinct_projections.h"
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

JoinedSelectionProjectionOperator::JoinedSelectionProjectionOperator(std::unique_ptr<ConditionTree> selectCondition,
                                                                     std::vector<std::string> names,
                                                                     NameLookup nameLookup,
                                                                     std::vector<std::string> places)
    : condition(std::move(selectCondition)),
      attributeNames(std::move(names)),
      lookup(nameLookup),
      namePlaces(std::move(places)) {}

JoinedSelectionProjectionOperator::~JoinedSelectionProjectionOperator() = default;

void JoinedSelectionProjectionOperator::print(std::ostream& out) const {
  out << "Join\n";
  printWithCondition(out, "Select: ", condition.get());
  printProject(out, attributeNames);
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
  ProjectOperator::Projection projection = ProjectOperator::projectionOf(attributes, attributeNames, lookup);
  result = std::make_unique<Relation>(projection.attributes);
  checkConditionNames(*condition, attributes);
  if (!join || !hasAPair(*first, *join, firstKey)) {
    checkProjectNames(attributes, attributeNames, lookup, namePlaces);
    return;
  }
  bindCondition(*condition, attributes);
  checkProjectNames(attributes, attributeNames, lookup, namePlaces);
  // Copying the first record that passes reads field 0.
  const bool readsFieldZero = projection.lacksAName();
  auto selectAndProject = [&](const Relation& piece) {
    CompiledCondition filter(*condition);
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
        if (!filter.holdsFor(Record(joined, joinedValues))) continue;
        if (readsFieldZero) failGetValue();
        projections->add(joinedValues);
      }
    }
    projections->finish();
    return projections;
  };
  std::vector<std::unique_ptr<DistinctProjections>> pieces;
  if (CompiledCondition(*condition).isSelfContained()) {
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
