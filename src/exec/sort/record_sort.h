#ifndef QERIX_EXEC_SORT_RECORD_SORT_H
#define QERIX_EXEC_SORT_RECORD_SORT_H

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/attribute_list.h"

namespace qerix {

class Relation;

// Sorting records by the record order of model/record_order.h. Records with
// an "int" first field go by a radix sort of that number, others by their
// first sixteen bytes; only records equal on that key get the full
// comparison, and records already in order are not sorted at all. Many
// records are sorted in two pieces at once (see Scheduler).

// The positions of the records in ascending order by compareValues; stable,
// so equal records keep their order. Empty when they are in order already.
// At most 2^32 - 1 records.
std::vector<std::uint32_t> sortedPositions(std::span<const std::string_view> records, const AttributeList& types,
                                           int fieldCount);

// Ascending by compareValues; stable, so equal records keep their order.
void stableSortRecords(std::vector<std::string_view>& records, const AttributeList& types, int fieldCount);

// A relation's records, in memory, in ascending record order: under its own
// attributes, or over the first fieldCount fields under the given types.
void sortRecords(Relation& relation);
void sortRecords(Relation& relation, const AttributeList& types, int fieldCount);

}  // namespace qerix

#endif  // QERIX_EXEC_SORT_RECORD_SORT_H
