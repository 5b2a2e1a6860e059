#include "algebra/pair_selection.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "algebra/product_operator.h"
#include "conditions/comparison_operators.h"
#include "conditions/compiled_condition.h"
#include "conditions/logical_operators.h"
#include "model/paired_records.h"
#include "model/record_index.h"
#include "model/record_values.h"
#include "model/two_threads.h"

namespace qerix {

namespace {

// Positions within each operand of two attributes that a passing pair must
// hold equal values in.
struct JoinKey {
  int firstPosition;
  int secondPosition;
};

// Looks through the AND nodes at the top of a bound condition for an EQ
// between an attribute of the first operand and one of the second.
std::optional<JoinKey> findJoinKey(const TreeNode<LogicalOperator>& root, int firstCount) {
  std::vector<const TreeNode<LogicalOperator>*> pending{root.left.get()};
  while (!pending.empty()) {
    const TreeNode<LogicalOperator>* node = pending.back();
    pending.pop_back();
    if (dynamic_cast<const AndOperator*>(node->payload.get())) {
      pending.push_back(node->left.get());
      pending.push_back(node->right.get());
    } else if (const auto* equal = dynamic_cast<const EqOperator*>(node->payload.get())) {
      const int position1 = equal->getPosition1();
      const int position2 = equal->getPosition2();
      if (position1 > 0 && position1 <= firstCount && position2 > firstCount) {
        return JoinKey{position1, position2 - firstCount};
      }
      if (position2 > 0 && position2 <= firstCount && position1 > firstCount) {
        return JoinKey{position2, position1 - firstCount};
      }
    }
  }
  return std::nullopt;
}

// For each record of a first operand, the second records it pairs with,
// then a groupEnd; and whether any pair passed at all.
struct ChosenPairs {
  std::vector<std::uint32_t> members;
  bool anyPair = false;
};

constexpr std::uint32_t endOfGroup = std::numeric_limits<std::uint32_t>::max();

// The second operand's records grouped by their value at one position, each
// group in the operand's order.
class RecordGroups {
 public:
  RecordGroups(const Relation& relation, int position, std::string_view type)
      : keyTypes(typesOf(type)),
        index(keyTypes, 1, relation.getRecordCount()),
        next(relation.getRecordCount(), endOfGroup) {
    for (std::uint32_t member = 0; member < next.size(); ++member) {
      const std::string_view key = valueAt(relation.getRecordTexts()[member], position);
      const std::size_t hash = index.hashOf(key);
      if (const auto group = index.find(key, hash)) {
        next[last[*group]] = member;
        last[*group] = member;
      } else {
        index.add(key, hash);
        firstOf.push_back(member);
        last.push_back(member);
      }
    }
  }

  // The first member whose value equals `key`, or endOfGroup.
  std::uint32_t firstMember(std::string_view key) const {
    const auto group = index.find(key, index.hashOf(key));
    return group ? firstOf[*group] : endOfGroup;
  }
  std::uint32_t nextMember(std::uint32_t member) const { return next[member]; }

 private:
  static AttributeList typesOf(std::string_view type) {
    AttributeList types;
    types.addAttribute(type, "");
    return types;
  }

  AttributeList keyTypes;
  RecordIndex index;
  std::vector<std::uint32_t> firstOf;
  std::vector<std::uint32_t> last;
  std::vector<std::uint32_t> next;
};

}  // namespace

std::unique_ptr<Relation> selectPairs(std::shared_ptr<const Relation> first, std::shared_ptr<Relation> second,
                                      ConditionTree& condition) {
  auto result = std::make_unique<Relation>(ProductOperator::combineAttributes(*first, *second));
  if (first->isEmpty() || second->isEmpty()) return result;
  bindCondition(condition, result->getAttributes());
  second->materialize();

  // The pairs of the records of `records` (the first operand or a half of it).
  const auto key = findJoinKey(condition.getRoot(), first->getAttributeCount());
  std::optional<RecordGroups> groups;
  if (key) groups.emplace(*second, key->secondPosition, first->getAttributeType(key->firstPosition));
  // `pairsExpected`: room for that many first records with a pair each.
  auto choosePairs = [&](const Relation& records, std::size_t pairsExpected) {
    ChosenPairs chosen;
    if (key) chosen.members.reserve(pairsExpected * 2);
    CompiledCondition test(condition);
    std::string values;
    auto testPair = [&](const Record& firstRecord, std::uint32_t secondIndex) {
      PairedRecords::joinValues(firstRecord, second->getRecord(secondIndex), values);
      if (!test.holdsFor(Record(*result, values))) return;
      chosen.members.push_back(secondIndex);
      chosen.anyPair = true;
    };
    if (!groups) {
      const auto secondCount = static_cast<std::uint32_t>(second->getRecordCount());
      for (RecordScanner scanner(records); scanner.next();) {
        for (std::uint32_t secondIndex = 0; secondIndex < secondCount; ++secondIndex) {
          testPair(scanner.getCurrent(), secondIndex);
        }
        chosen.members.push_back(PairedRecords::groupEnd);
      }
    } else {
      for (RecordScanner scanner(records); scanner.next();) {
        const Record firstRecord = scanner.getCurrent();
        const std::string_view firstKey = valueAt(firstRecord.getValues(), key->firstPosition);
        for (auto member = groups->firstMember(firstKey); member != endOfGroup; member = groups->nextMember(member)) {
          testPair(firstRecord, member);
        }
        chosen.members.push_back(PairedRecords::groupEnd);
      }
    }
    return chosen;
  };

  // A large first operand in the input file goes in two halves at once, each
  // with a test of its own, where testing changes nothing but the test.
  const auto halves =
      CompiledCondition(condition).isSelfContained() ? first->halves() : std::vector<std::unique_ptr<Relation>>();
  ChosenPairs pairs;
  if (halves.empty()) {
    pairs = choosePairs(*first, first->getRecordCount());
  } else {
    ChosenPairs secondPairs;
    // Each half's pairs are made apart, in memory of their own thread.
    // The first half's list has room for the second's, which joins it.
    inTwoThreads([&] { pairs = choosePairs(*halves[0], first->getRecordCount()); },
                 [&] { secondPairs = choosePairs(*halves[1], halves[1]->getRecordCount()); });
    pairs.members.insert(pairs.members.end(), secondPairs.members.begin(), secondPairs.members.end());
    pairs.anyPair = pairs.anyPair || secondPairs.anyPair;
  }
  if (pairs.anyPair) {
    result->setRecordSource(
        std::make_shared<PairedRecords>(std::move(first), std::move(second), std::move(pairs.members)));
  }
  return result;
}

}  // namespace qerix
