#ifndef QERIX_INSPECT_SHAPE_WARNINGS_H
#define QERIX_INSPECT_SHAPE_WARNINGS_H

#include <string>
#include <string_view>
#include <vector>

#include "model/relation.h"
#include "query/expression_parser.h"

namespace qerix {

// What the query's nodes do with their operands' attributes that qerix
// defines but that was most likely meant otherwise: a natural join that
// matches on several attributes, a union, minus or intersect of operands
// whose attributes differ in number (the shorter records padded) or type, a
// division that leaves more than one attribute, and a rename whose list
// names one attribute where the relation's name was meant.
void findShapeWarnings(std::string_view query, const RelationList& relations, QueryLanguage language,
                       std::vector<std::string>& warnings);

// What each node did, where a view of the tree should say it: the
// attributes a natural join (also semijoin and antijoin) matched on, ""
// for the other nodes. One text per node, in the order the query's forms
// stand in its text (the tree's pre-order, its root left out).
std::vector<std::string> findNodeNotes(std::string_view query, const RelationList& relations,
                                       QueryLanguage language);

}  // namespace qerix

#endif  // QERIX_INSPECT_SHAPE_WARNINGS_H
