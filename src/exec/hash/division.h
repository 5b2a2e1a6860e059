#ifndef QERIX_EXEC_HASH_DIVISION_H
#define QERIX_EXEC_HASH_DIVISION_H

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exec/hash/key_fields.h"
#include "exec/hash/number_bits.h"
#include "exec/hash/record_index.h"
#include "model/attribute_list.h"
#include "model/relation.h"

namespace qerix {

// The counting of a division: which quotients of a dividend's records meet
// every record of a divisor. A dividend record meets the divisor record that
// equals its divisor part; a quotient meets all when its records meet every
// distinct divisor record. The dividend is read in pieces at once, each with
// its own count, and the counts are joined.
class Division {
 public:
  // `divisor` in memory, its types those of the dividend's divisor part.
  Division(const Relation& divisor, KeyFields divisorPart, KeyFields quotientPart, AttributeList quotientTypes);
  Division(const Division&) = delete;
  Division& operator=(const Division&) = delete;
  ~Division();

  // Texts of the dividend's records whose quotient meets every divisor
  // record, in the dividend's order: all of them, or, where the dividend
  // comes in quotient order, the last record of each such quotient.
  std::vector<std::string> recordsOfFullQuotients(const Relation& dividend) const;

 private:
  class Count;
  struct SortedRun;

  // The number of the divisor record a dividend record meets, if any; the
  // key may be built in `scratch`.
  std::optional<std::uint32_t> divisorNumberOf(std::string_view record, std::string& scratch) const;
  std::unique_ptr<Count> countPiece(const Relation& piece) const;
  // Null when a quotient that meets a divisor record is null.
  std::optional<NumberBits> countNumbersOfPiece(const Relation& piece) const;
  // Null when the piece's quotients are not in ascending order.
  std::optional<std::vector<SortedRun>> countSortedPiece(const Relation& piece) const;
  // The last record of each full quotient, where the dividend is in quotient
  // order and the divisor has at most 64 distinct records; null otherwise.
  std::optional<std::vector<std::string>> recordsInOrder(const Relation& dividend) const;
  // What recordsOfFullQuotients gives, where the quotient is one "int" field
  // and the divisor has at most 32 distinct records, counted by number;
  // null otherwise, or when a null quotient meets a divisor record.
  std::optional<std::vector<std::string>> recordsByNumber(const Relation& dividend) const;

  const KeyFields divisorPart;
  const KeyFields quotientPart;
  const AttributeList quotientTypes;
  const AttributeList& divisorTypes;
  RecordIndex divisorRecords;  // distinct, numbered
  std::uint64_t fullMet = 0;   // a bit for each of them
};

}  // namespace qerix

#endif  // QERIX_EXEC_HASH_DIVISION_H
