#ifndef QERIX_TOOLS_GROUPING_NOTATION_H
#define QERIX_TOOLS_GROUPING_NOTATION_H

#include <functional>
#include <string>
#include <string_view>

#include "algebra/grouping_list.h"
#include "tools/tree_notation.h"

namespace qerix {

// A grouping list as a notation writes it, the grouping attributes first:
// "dept,COUNT(*)->n" (prefix), "dept,COUNT(*)→n" (textbook),
// "dept,COUNT(*) \rightarrow n" (LaTeX). `nameOf` writes an attribute or
// result name in the notation.
std::string groupingListText(const GroupingList& list, Notation notation,
                             const std::function<std::string(std::string_view)>& nameOf);

}  // namespace qerix

#endif  // QERIX_TOOLS_GROUPING_NOTATION_H
