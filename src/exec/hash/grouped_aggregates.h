#ifndef QERIX_EXEC_HASH_GROUPED_AGGREGATES_H
#define QERIX_EXEC_HASH_GROUPED_AGGREGATES_H

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/attribute_list.h"
#include "model/relation.h"

namespace qerix {

enum class AggregateKind { countRecords, count, countDistinct, sum, average, minimum, maximum };

// One aggregate of a grouping: what it computes over which field (from 1;
// none for a count of records).
struct AggregateColumn {
  AggregateKind kind = AggregateKind::countRecords;
  int position = 0;
};

// The digits an average keeps after the decimal point, rounded half away
// from zero.
inline constexpr int averageDigits = 6;

// The records of a relation grouped by the values of some fields (equal
// under their types, the nulls of a field in one group), and aggregates over
// each group: counts, sums, averages, the least and the greatest value.
// Aggregates skip nulls; a count of records counts them all. A large input
// is read in pieces at once, each grouped on its own, and the pieces' groups
// are joined in input order.
class GroupedAggregates {
 public:
  GroupedAggregates(const AttributeList& inputTypes, std::vector<int> keyPositions,
                    std::vector<AggregateColumn> columns);
  GroupedAggregates(const GroupedAggregates&) = delete;
  GroupedAggregates& operator=(const GroupedAggregates&) = delete;
  ~GroupedAggregates();

  struct Outcome {
    // A record text per group, in the order of the groups' first records:
    // the key fields in the order given, then the aggregates. Without key
    // fields exactly one, whether the input has records or not.
    std::vector<std::string> records;
    // The first aggregate whose sum leaves its range, if any: 32 bits for
    // "int", that of model/decimal.h for decimals.
    std::optional<std::size_t> overflowingColumn;
  };
  Outcome aggregate(const Relation& input) const;

  // Whether the column reads decimal values (its overflow is a decimal's).
  bool readsDecimals(std::size_t column) const { return valueKinds[column] == ValueKind::decimal; }

 private:
  class Piece;

  std::unique_ptr<Piece> groupPiece(const Relation& piece) const;

  AttributeList keyTypes;
  std::vector<int> keyPositions;
  std::vector<AggregateColumn> columns;
  std::vector<ValueKind> valueKinds;      // per column: that of the field it reads
  std::vector<AttributeList> pairTypes;   // per column: the key fields' types and that type
  int fieldCount = 0;                     // the fields a record is split into
};

}  // namespace qerix

#endif  // QERIX_EXEC_HASH_GROUPED_AGGREGATES_H
