#ifndef QERIX_TOOLS_TREE_NOTATION_H
#define QERIX_TOOLS_TREE_NOTATION_H

#include <string>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "model/relation.h"

namespace qerix {

enum class Notation { prefix, textbook, latex };

// The notation a name of qerix-tree --as spells, if any.
bool readNotation(std::string_view name, Notation& notation);

// Writes a parsed query (a program: one statement per line) in a notation,
// with the spellings the language table lists first. The prefix and
// textbook texts read back, with -x, into the same tree. In the textbook
// notation a condition operand stands unquoted when it is a number or names
// an attribute of a relation in `relations` or of the query's own lists, or
// is such an attribute qualified (R.a) by a relation, rename or result that
// may have it; in quotes otherwise. Ends the run with a message quoting the text that the
// textbook notation cannot hold (a relation or attribute name that is no
// plain name, a literal it cannot quote). The LaTeX, one formula per line,
// writes texts as \text{'...'} (amsmath) and needs amssymb for \ltimes.
std::string writeInNotation(AlgebraTree& tree, Notation notation, const RelationList& relations);

}  // namespace qerix

#endif  // QERIX_TOOLS_TREE_NOTATION_H
