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
#include "exec/views/paired_records.h"
#include "model/null_value.h"
#include "model/record_values.h"

namespace qerix {

namespace {

// Where each value of an outer join's record comes from.
struct JoinedLayout {
  std::vector<int> secondKept;          // the second's positions after the first's values
  bool keepsAllOfSecond = false;        // whether they are all of them, in order
  std::vector<int> secondForFirst;      // per first position: the second's position that fills it, or 0 (a null)
};

void appendValue(std::string& record, std::string_view value, bool& firstValue) {
  if (!firstValue) record += ',';
  record += value;
  firstValue = false;
}

// Builds the records from the pairs: `members` as PairedRecords takes them,
// or empty for no pair at all.
void appendJoined(Relation& result, const Relation& first, const Relation& second,
                  const std::vector<std::uint32_t>& members, const JoinedLayout& layout, OuterSide side) {
  const bool keepsFirst = side != OuterSide::right;
  const bool keepsSecond = side != OuterSide::left;
  std::vector<bool> paired(second.getRecordCount(), false);
  std::vector<std::string_view> values;
  std::string record;
  std::size_t next = 0;
  for (RecordScanner scanner(first); scanner.next();) {
    const Record firstRecord = scanner.getCurrent();
    bool any = false;
    for (; next < members.size() && members[next] != PairedRecords::groupEnd; ++next) {
      any = true;
      paired[members[next]] = true;
      const Record partner = second.getRecord(members[next]);
      if (layout.keepsAllOfSecond) {
        PairedRecords::joinValues(firstRecord, partner, record);
      } else {
        PairedRecords::joinValues(firstRecord, partner, layout.secondKept, record);
      }
      result.appendNewRecord(record);
    }
    ++next;  // past the group's end
    if (!any && keepsFirst) {
      record = firstRecord.getValues();
      // A first relation without attributes has no value to follow with a comma.
      bool firstValue = first.getAttributeCount() == 0;
      for (std::size_t count = 0; count < layout.secondKept.size(); ++count) appendValue(record, nullValue, firstValue);
      result.appendNewRecord(record);
    }
  }
  if (!keepsSecond) return;
  for (std::size_t index = 0; index < paired.size(); ++index) {
    if (paired[index]) continue;
    splitValues(second.getRecordTexts()[index], second.getAttributeCount(), values);
    record.clear();
    bool firstValue = true;
    for (const int position : layout.secondForFirst) {
      appendValue(record, position == 0 ? nullValue : values[indexOf(position)], firstValue);
    }
    for (const int position : layout.secondKept) appendValue(record, values[indexOf(position)], firstValue);
    result.appendNewRecord(record);
  }
}

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
  const std::unique_ptr<Relation> first = takeOperand(left);
  const std::unique_ptr<Relation> second = takeOperand(right);
  if (!first || !second) return;
  JoinedLayout layout;
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
  appendJoined(*result, *first, *second, members, layout, side);
}

}  // namespace qerix
