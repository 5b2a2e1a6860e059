#ifndef QERIX_INSPECT_ATTRIBUTE_TEXTS_H
#define QERIX_INSPECT_ATTRIBUTE_TEXTS_H

#include <string>
#include <string_view>
#include <vector>

#include "model/attribute_list.h"

namespace qerix {

// How the warnings and explanations show attributes.

// "a, b, c".
std::string listText(const std::vector<std::string_view>& names);
// "(a int, b string)", as a header writes them.
std::string headerText(const AttributeList& attributes);

}  // namespace qerix

#endif  // QERIX_INSPECT_ATTRIBUTE_TEXTS_H
