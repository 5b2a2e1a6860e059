#ifndef QERIX_INSPECT_SHAPE_WARNINGS_H
#define QERIX_INSPECT_SHAPE_WARNINGS_H

#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "model/relation.h"

namespace qerix {

// What a node does with its operands' attributes (their results over the
// walk's records-free copies, null where one has none) that qerix defines
// but that was most likely meant otherwise: a natural join that matches on
// several attributes, a union, minus or intersect of operands whose
// attributes differ in number (the shorter records padded) or type, a
// division that leaves more than one attribute, and a rename whose list names
// one attribute where the relation's name was meant. `form` is the node's
// text in the query, "" for its keyword.
void checkShape(AlgebraOperator& node, const Relation* left, const Relation* right, std::string_view form,
                std::vector<std::string>& warnings);

// What a node did, where a view of the tree should say it: the attributes a
// natural join (also semijoin and antijoin) matched on, "" for the other nodes.
std::string joinNote(AlgebraOperator& node, const Relation* left, const Relation* right);

}  // namespace qerix

#endif  // QERIX_INSPECT_SHAPE_WARNINGS_H
