#ifndef QERIX_QUERY_TEXTBOOK_NOTES_H
#define QERIX_QUERY_TEXTBOOK_NOTES_H

#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "query/textbook_syntax.h"

namespace qerix {

// Hands what the textbook notation says about its names to the nodes parsed
// from the prefix query it stands for: each table reference must find its
// relation, each condition operand is a literal or an attribute of the
// operand, each name of a project list and old name of a rename by name
// must find one attribute. The notes come in the order the prefix query
// writes their leaves, which is the order of a post-order walk that takes
// each node's own condition or list after its children. `query` is the textbook text, for the line and column of
// each note.
void applyTextbookNotes(TreeNode<AlgebraOperator>& parsed, const std::vector<SourceNote>& notes,
                        std::string_view query);

}  // namespace qerix

#endif  // QERIX_QUERY_TEXTBOOK_NOTES_H
