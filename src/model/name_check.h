#ifndef QERIX_MODEL_NAME_CHECK_H
#define QERIX_MODEL_NAME_CHECK_H

#include <string_view>

#include "model/attribute_list.h"

namespace qerix {

// The heads of the two messages about one kind of name; each goes on with
// the place, "): " and the quoted name.
struct NameFaultMessages {
  std::string_view unknown;  // no attribute bears the name
  std::string_view shared;   // several attributes bear it
};

// The textbook notation's rule for a word that names an attribute: it must
// find exactly one. Gives its position; otherwise ends the run with the name
// and its `place` ("1. sor 5. oszlop"): for an unknown name the closest plain
// (or, looked up as qualified, qualified) name, for a shared one the
// qualified names that tell its attributes apart.
int findOnlyAttribute(const AttributeList& attributes, std::string_view name, NameLookup lookup, std::string_view place,
                      const NameFaultMessages& messages);

}  // namespace qerix

#endif  // QERIX_MODEL_NAME_CHECK_H
