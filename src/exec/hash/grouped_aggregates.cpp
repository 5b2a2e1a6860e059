#include "exec/hash/grouped_aggregates.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "exec/hash/record_index.h"
#include "exec/pieces/record_pieces.h"
#include "model/decimal.h"
#include "model/null_value.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/text_arena.h"

namespace qerix {

namespace {

bool fitsInt32(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

// The groups of one piece of the input, numbered in the order of their first
// records, with the state of every aggregate of every group.
class GroupedAggregates::Piece {
 public:
  explicit Piece(const GroupedAggregates& grouping)
      : owner(grouping), groups(owner.keyTypes, owner.keyTypes.getAttributeCount(), 1024) {
    for (const AttributeList& types : owner.pairTypes) {
      distinctPairs.push_back(std::make_unique<RecordIndex>(types, types.getAttributeCount(), 1024));
    }
    // Without key fields there is one group, even over no records.
    if (owner.keyPositions.empty()) groupOf("");
  }

  void add(std::string_view record) {
    splitValues(record, owner.fieldCount, fields);
    key.clear();
    for (std::size_t index = 0; index < owner.keyPositions.size(); ++index) {
      if (index > 0) key += ',';
      key += fields[indexOf(owner.keyPositions[index])];
    }
    const std::size_t first = groupOf(key) * owner.columns.size();
    for (std::size_t column = 0; column < owner.columns.size(); ++column) {
      const AggregateColumn& aggregate = owner.columns[column];
      Slot& slot = slots[first + column];
      if (aggregate.kind == AggregateKind::countRecords) {
        ++slot.count;
        continue;
      }
      const std::string_view value = fields[indexOf(aggregate.position)];
      if (isNull(value)) continue;
      if (aggregate.kind == AggregateKind::countDistinct) {
        pair.assign(key);
        if (!owner.keyPositions.empty()) pair += ',';
        pair += value;
        if (addPair(column, pair)) ++slot.count;
        continue;
      }
      noteValue(slot, column, value);
    }
  }

  // Takes in the groups of the piece after this one (and so on, in order).
  void join(const Piece& later) {
    std::vector<std::size_t> own(later.groups.size());
    for (std::uint32_t group = 0; group < later.groups.size(); ++group) own[group] = groupOf(later.groups.at(group));
    const std::size_t width = owner.columns.size();
    for (std::size_t group = 0; group < own.size(); ++group) {
      for (std::size_t column = 0; column < width; ++column) {
        const AggregateColumn& aggregate = owner.columns[column];
        const Slot& theirs = later.slots[group * width + column];
        Slot& mine = slots[own[group] * width + column];
        if (aggregate.kind == AggregateKind::countDistinct) continue;  // counted from the pairs below
        if (aggregate.kind == AggregateKind::minimum || aggregate.kind == AggregateKind::maximum) {
          if (theirs.count > 0) noteValue(mine, column, theirs.best);
          mine.count += theirs.count - (theirs.count > 0 ? 1 : 0);
          continue;
        }
        mine.count += theirs.count;
        mine.sum += theirs.sum;
        mine.overflowed = mine.overflowed || theirs.overflowed || !mine.exact.add(theirs.exact.total());
      }
    }
    const std::size_t keyCount = owner.keyPositions.size();
    for (std::size_t column = 0; column < width; ++column) {
      if (owner.columns[column].kind != AggregateKind::countDistinct) continue;
      const RecordIndex& theirPairs = *later.distinctPairs[column];
      for (std::uint32_t number = 0; number < theirPairs.size(); ++number) {
        const std::string_view text = theirPairs.at(number);
        if (!addPair(column, text)) continue;
        const std::string_view groupKey = keyCount == 0 ? std::string_view() : leadingValues(text, static_cast<int>(keyCount));
        ++slots[groupOf(groupKey) * width + column].count;
      }
    }
  }

  void finish(Outcome& outcome) const {
    const std::size_t width = owner.columns.size();
    outcome.records.reserve(groups.size());
    for (std::uint32_t group = 0; group < groups.size(); ++group) {
      std::string record(groups.at(group));
      for (std::size_t column = 0; column < width; ++column) {
        if (column > 0 || !owner.keyPositions.empty()) record += ',';
        const Slot& slot = slots[group * width + column];
        switch (owner.columns[column].kind) {
          case AggregateKind::countRecords:
          case AggregateKind::count:
          case AggregateKind::countDistinct:
            record += std::to_string(slot.count);
            break;
          case AggregateKind::sum:
          case AggregateKind::average:
            record += slot.count > 0 ? sumText(slot, column, outcome) : std::string(nullValue);
            break;
          case AggregateKind::minimum:
          case AggregateKind::maximum:
            record += slot.count > 0 ? slot.best : std::string(nullValue);
            break;
        }
      }
      outcome.records.push_back(std::move(record));
    }
  }

 private:
  // What an aggregate has seen of a group so far.
  struct Slot {
    std::int64_t count = 0;  // records or values seen
    std::int64_t sum = 0;    // of "int" values
    DecimalSum exact;        // of decimal values
    bool overflowed = false;
    std::string best;        // the least or greatest value
  };

  // The sum or average of a group that saw values; notes the first column
  // whose sum leaves its type's range.
  std::string sumText(const Slot& slot, std::size_t column, Outcome& outcome) const {
    const bool decimals = owner.readsDecimals(column);
    const bool average = owner.columns[column].kind == AggregateKind::average;
    const bool fits = decimals ? !slot.overflowed : average || fitsInt32(slot.sum);
    if (!fits) {
      if (!outcome.overflowingColumn) outcome.overflowingColumn = column;
      return "0";
    }
    if (!decimals) {
      if (!average) return std::to_string(slot.sum);
      DecimalSum total;
      total.add(slot.sum);
      return total.average(static_cast<std::uint64_t>(slot.count), averageDigits);
    }
    return average ? slot.exact.average(static_cast<std::uint64_t>(slot.count), averageDigits)
                   : canonicalDecimal(slot.exact.total());
  }

  std::size_t groupOf(std::string_view groupKey) {
    const std::uint64_t hash = groups.hashOf(groupKey);
    if (const auto found = groups.find(groupKey, hash)) return *found;
    slots.resize(slots.size() + owner.columns.size());
    return groups.add(texts.store(groupKey), hash);
  }

  // Whether the pair of a group and a value is new to the column.
  bool addPair(std::size_t column, std::string_view pairText) {
    RecordIndex& pairs = *distinctPairs[column];
    const std::uint64_t hash = pairs.hashOf(pairText);
    if (pairs.find(pairText, hash)) return false;
    pairs.add(texts.store(pairText), hash);
    return true;
  }

  void noteValue(Slot& slot, std::size_t column, std::string_view value) {
    const AggregateColumn& aggregate = owner.columns[column];
    if (aggregate.kind == AggregateKind::sum || aggregate.kind == AggregateKind::average) {
      if (!owner.readsDecimals(column)) {
        slot.sum += toInt32(value);
      } else if (!slot.exact.add(decimalOf(value))) {
        slot.overflowed = true;
      }
    } else if (slot.count == 0) {
      slot.best.assign(value);
    } else {
      const auto order = compareValue(value, slot.best, owner.valueKinds[column]);
      if (aggregate.kind == AggregateKind::minimum ? order < 0 : order > 0) slot.best.assign(value);
    }
    ++slot.count;
  }

  const GroupedAggregates& owner;
  RecordIndex groups;
  TextArena texts;
  std::vector<Slot> slots;  // per group, one per column
  std::vector<std::unique_ptr<RecordIndex>> distinctPairs;  // per column: key and value
  std::vector<std::string_view> fields;
  std::string key;
  std::string pair;
};

GroupedAggregates::GroupedAggregates(const AttributeList& inputTypes, std::vector<int> keys,
                                     std::vector<AggregateColumn> aggregates)
    : keyPositions(std::move(keys)), columns(std::move(aggregates)) {
  for (const int position : keyPositions) {
    keyTypes.addAttributeFrom(inputTypes, position);
    fieldCount = std::max(fieldCount, position);
  }
  for (const AggregateColumn& column : columns) {
    AttributeList valueType;
    if (column.position > 0) valueType.addAttributeFrom(inputTypes, column.position);
    fieldCount = std::max(fieldCount, column.position);
    AttributeList pair = keyTypes;
    pair.addAttributes(valueType);
    valueKinds.push_back(valueType.getKind(1));
    pairTypes.push_back(std::move(pair));
  }
}

GroupedAggregates::~GroupedAggregates() = default;

std::unique_ptr<GroupedAggregates::Piece> GroupedAggregates::groupPiece(const Relation& piece) const {
  auto grouped = std::make_unique<Piece>(*this);
  for (RecordScanner scanner(piece); scanner.next();) grouped->add(scanner.getCurrent().getValues());
  return grouped;
}

GroupedAggregates::Outcome GroupedAggregates::aggregate(const Relation& input) const {
  std::vector<std::unique_ptr<Piece>> pieces =
      mapPieces(input, [this](const Relation& piece) { return groupPiece(piece); });
  for (std::size_t piece = 1; piece < pieces.size(); ++piece) pieces[0]->join(*pieces[piece]);
  Outcome outcome;
  pieces[0]->finish(outcome);
  return outcome;
}

}  // namespace qerix
