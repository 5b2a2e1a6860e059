#ifndef QERIX_EXEC_SELECT_PAIR_SEARCH_H
#define QERIX_EXEC_SELECT_PAIR_SEARCH_H

#include <cstdint>
#include <memory>
#include <vector>

#include "conditions/condition_tree.h"
#include "model/relation.h"

namespace qerix {

// Pairs of records of two relations, first-operand-major, for which a
// condition over both relations' attributes (the first's, then the
// second's) holds: what a theta join and a select over a product keep. Each
// pair is formed and tested in turn, without building the product. When the
// condition requires an attribute of one operand to equal an attribute of the
// other (an EQ between them, alone or under AND), only the pairs that agree
// there are formed, found through a hash table of the second operand.
//
// The condition is bound to the pairs' attributes once both relations have
// records, which is where a comparison of mismatched types ends the run; with
// an empty operand no pair is formed and nothing is bound. The second
// relation is brought into memory; the first is read once, in order, a
// large one in the input file in pieces at once.

// The passing pairs as a relation, which keeps both operands and holds its
// records as pairs of them (PairedRecords), reading the first again whenever
// it is read itself.
std::unique_ptr<Relation> selectPairs(std::shared_ptr<const Relation> first, std::shared_ptr<Relation> second,
                                      ConditionTree& condition);

// For each record of `first`, in order, the records of `second` (numbers
// from 0, in its order) that make a passing pair with it, each list ended by
// PairedRecords::groupEnd; empty when either relation is. `second` is
// brought into memory.
std::vector<std::uint32_t> findPairMembers(const Relation& first, Relation& second, ConditionTree& condition);

// For each record of `first`, in order, whether some record of `second`
// makes a passing pair with it.
std::vector<bool> findPartners(const Relation& first, Relation& second, ConditionTree& condition);

}  // namespace qerix

#endif  // QERIX_EXEC_SELECT_PAIR_SEARCH_H
