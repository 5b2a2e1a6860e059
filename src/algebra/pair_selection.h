#ifndef QERIX_ALGEBRA_PAIR_SELECTION_H
#define QERIX_ALGEBRA_PAIR_SELECTION_H

#include <memory>

#include "conditions/condition_tree.h"
#include "model/relation.h"

namespace qerix {

// What select(product(first, second), condition) gives, without building the
// product: each pair is formed and tested in turn, first-operand-major, and
// only the pairs that pass are kept. When the condition requires an
// attribute of one operand to equal an attribute of the other (an EQ between
// them, alone or under AND), only the pairs that agree there are formed,
// found through a hash table of the second operand.
// The second relation is brought into memory; the first is read once, in
// order, and again whenever the result is read: the result keeps both and
// holds its records as pairs of them (PairedRecords).
std::unique_ptr<Relation> selectPairs(std::shared_ptr<const Relation> first, std::shared_ptr<Relation> second,
                                      ConditionTree& condition);

}  // namespace qerix

#endif  // QERIX_ALGEBRA_PAIR_SELECTION_H
