#ifndef QERIX_CONDITIONS_CONDITION_PARSER_H
#define QERIX_CONDITIONS_CONDITION_PARSER_H

#include <string_view>

#include "conditions/condition_tree.h"

namespace qerix {

// Parses a select condition such as AND(EQ(city,Pecs),GT(age,30)) below the
// tree's current node. A keyword call becomes a node; any other text is an
// operand of the call it stands in. Ends the run with a message on malformed
// text: an empty condition or argument, a call without its comma (NOT alone
// may take one argument), a keyword without "(", a logical node without the
// conditions it combines, or nesting deeper than maxNestingDepth.
void parseCondition(ConditionTree& tree, std::string_view text);

}  // namespace qerix

#endif  // QERIX_CONDITIONS_CONDITION_PARSER_H
