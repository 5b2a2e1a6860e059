#include "exec/select/pair_search.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "conditions/comparison_operator.h"
#include "conditions/compiled_condition.h"
#include "exec/hash/record_groups.h"
#include "exec/pieces/record_pieces.h"
#include "exec/views/paired_records.h"
#include "model/record_limit.h"
#include "model/record_values.h"

namespace qerix {

namespace {

// Positions within each operand of two attributes that a passing pair must
// hold equal values in.
struct JoinKey {
  int firstPosition;
  int secondPosition;
};

// A comparison that holds for equal operands and for nothing else.
bool isEquality(const ComparisonOperator& comparison) {
  return comparison.holds(std::weak_ordering::equivalent) && !comparison.holds(std::weak_ordering::less) &&
         !comparison.holds(std::weak_ordering::greater);
}

// Looks through the AND nodes at the top of a bound condition for an EQ
// between an attribute of the first operand and one of the second.
std::optional<JoinKey> findJoinKey(const TreeNode<LogicalOperator>& root, int firstCount) {
  std::vector<const TreeNode<LogicalOperator>*> pending{root.left.get()};
  while (!pending.empty()) {
    const TreeNode<LogicalOperator>* node = pending.back();
    pending.pop_back();
    const ConditionKind kind = node->payload->getKind();
    if (kind == ConditionKind::both) {
      pending.push_back(node->left.get());
      pending.push_back(node->right.get());
    } else if (kind == ConditionKind::comparison) {
      const auto& comparison = static_cast<const ComparisonOperator&>(*node->payload);
      if (!isEquality(comparison)) continue;
      const int position1 = comparison.getPosition1();
      const int position2 = comparison.getPosition2();
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

AttributeList typeOf(const AttributeList& attributes, int position) {
  AttributeList types;
  types.addAttributeFrom(attributes, position);
  return types;
}

// The pairs of the records of a first operand (or a piece of it) with the
// records of a second, in memory, tested under a condition bound to the
// pairs' attributes.
class PairFinder {
 public:
  PairFinder(const Relation& second, ConditionTree& condition, const Relation& pairs, int firstCount)
      : secondRecords(second),
        tested(condition),
        pairRelation(pairs),
        key(findJoinKey(condition.getRoot(), firstCount)) {
    if (key) {
      groups.emplace(second, KeyFields::at({key->secondPosition}), typeOf(pairs.getAttributes(), key->firstPosition));
    }
  }

  bool usesKey() const { return key.has_value(); }
  // Whether two finders may work at once, each on a piece of the first operand.
  bool worksInPieces() const { return CompiledCondition(tested).isSelfContained(); }

  // Calls onPair(secondIndex) for each passing pair of `first`'s records, in
  // order, and endOfRecord() after each record of `first`. onPair returns
  // whether to look on for more partners of the same record.
  template <class OnPair, class EndOfRecord>
  void forEachPair(const Relation& first, OnPair onPair, EndOfRecord endOfRecord) const {
    CompiledCondition test(tested);
    std::string values;
    auto passes = [&](const Record& firstRecord, std::uint32_t secondIndex) {
      PairedRecords::joinValues(firstRecord, secondRecords.getRecord(secondIndex), values);
      return test.holdsFor(Record(pairRelation, values));
    };
    const auto secondCount = static_cast<std::uint32_t>(secondRecords.getRecordCount());
    for (RecordScanner scanner(first); scanner.next();) {
      const Record firstRecord = scanner.getCurrent();
      if (!groups) {
        for (std::uint32_t secondIndex = 0; secondIndex < secondCount; ++secondIndex) {
          if (passes(firstRecord, secondIndex) && !onPair(secondIndex)) break;
        }
      } else {
        const std::string_view firstKey = valueAt(firstRecord.getValues(), key->firstPosition);
        for (auto member = groups->firstMember(firstKey); member != RecordGroups::endOfGroup;
             member = groups->nextMember(member)) {
          if (passes(firstRecord, member) && !onPair(member)) break;
        }
      }
      endOfRecord();
    }
  }

 private:
  const Relation& secondRecords;
  ConditionTree& tested;
  const Relation& pairRelation;
  std::optional<JoinKey> key;
  std::optional<RecordGroups> groups;
};

// Works on the first operand in pieces at once where the finder may.
template <class Work>
auto overFirst(const Relation& first, const PairFinder& finder, Work work) {
  if (finder.worksInPieces()) return mapPieces(first, work);
  std::vector<decltype(work(first, 0))> whole;
  whole.push_back(work(first, 0));
  return whole;
}

AttributeList pairAttributes(const Relation& first, const Relation& second) {
  AttributeList attributes = first.getAttributes();
  attributes.addAttributes(second.getAttributes());
  return attributes;
}

}  // namespace

namespace {

// The members of the passing pairs, for a condition bound to `pairs`.
std::vector<std::uint32_t> pairMembers(const Relation& first, Relation& second, ConditionTree& condition,
                                       const Relation& pairs) {
  materialize(second);
  const PairFinder finder(second, condition, pairs, first.getAttributeCount());
  // For each record of a piece of the first operand, the second's records it
  // pairs with, then a groupEnd.
  const std::size_t firstCount = first.getRecordCount();
  auto pieces = overFirst(first, finder, [&](const Relation& piece, std::size_t index) {
    std::vector<std::uint32_t> members;
    // With a key most records have a partner or two. The first piece's list
    // has room for the others, which join it.
    if (finder.usesKey()) members.reserve(2 * (index == 0 ? firstCount : piece.getRecordCount()));
    // A piece past the record limit puts all the pairs past it.
    const std::uint64_t limit = RecordLimit::current();
    std::size_t ended = 0;
    finder.forEachPair(
        piece,
        [&](std::uint32_t member) {
          members.push_back(member);
          return true;
        },
        [&] {
          members.push_back(PairedRecords::groupEnd);
          if (members.size() - ++ended > limit) RecordLimit::exceed();
        });
    return members;
  });
  return joinPieces(std::move(pieces));
}

}  // namespace

std::unique_ptr<Relation> selectPairs(std::shared_ptr<const Relation> first, std::shared_ptr<Relation> second,
                                      ConditionTree& condition) {
  auto result = std::make_unique<Relation>(pairAttributes(*first, *second));
  checkConditionNames(condition, result->getAttributes());
  if (first->isEmpty() || second->isEmpty()) return result;
  bindCondition(condition, result->getAttributes());
  std::vector<std::uint32_t> members = pairMembers(*first, *second, condition, *result);
  if (members.size() > first->getRecordCount()) {
    result->setRecordSource(std::make_shared<PairedRecords>(std::move(first), std::move(second), std::move(members)));
  }
  return result;
}

std::vector<std::uint32_t> findPairMembers(const Relation& first, Relation& second, ConditionTree& condition) {
  const Relation pairs(pairAttributes(first, second));
  checkConditionNames(condition, pairs.getAttributes());
  if (first.isEmpty() || second.isEmpty()) return {};
  bindCondition(condition, pairs.getAttributes());
  return pairMembers(first, second, condition, pairs);
}

std::vector<bool> findPartners(const Relation& first, Relation& second, ConditionTree& condition) {
  const Relation pairs(pairAttributes(first, second));
  checkConditionNames(condition, pairs.getAttributes());
  if (first.isEmpty()) return {};
  if (second.isEmpty()) return std::vector<bool>(first.getRecordCount(), false);
  bindCondition(condition, pairs.getAttributes());
  materialize(second);
  const PairFinder finder(second, condition, pairs, first.getAttributeCount());
  auto pieces = overFirst(first, finder, [&](const Relation& piece, std::size_t /*index*/) {
    std::vector<bool> partnered;
    partnered.reserve(piece.getRecordCount());
    bool any = false;
    finder.forEachPair(
        piece,
        [&](std::uint32_t) {
          any = true;
          return false;
        },
        [&] { partnered.push_back(std::exchange(any, false)); });
    return partnered;
  });
  return joinPieces(std::move(pieces));
}

}  // namespace qerix
