#ifndef QERIX_INSPECT_FORM_TEXTS_H
#define QERIX_INSPECT_FORM_TEXTS_H

#include <string_view>
#include <vector>

#include "query/expression_parser.h"

namespace qerix {

// The text of each form of a prefix query, in the order the parser makes
// their nodes (each form before its operands, the first before the second):
// what a message quotes for a node. Empty when the query does not parse the
// way the walk reads it, or nests deeper than the parser goes.
std::vector<std::string_view> formTexts(std::string_view query, QueryLanguage language);

}  // namespace qerix

#endif  // QERIX_INSPECT_FORM_TEXTS_H
