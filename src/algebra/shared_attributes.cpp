#include "algebra/shared_attributes.h"

#include "conditions/comparison_operator.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"

namespace qerix {

SharedAttributes SharedAttributes::of(const AttributeList& first, const AttributeList& second) {
  SharedAttributes shared;
  for (int position = 1; position <= second.getAttributeCount(); ++position) {
    const std::string_view name = second.getAttributeName(position);
    const int firstPosition = first.getAttributeIndex(name);
    if (firstPosition == 0) {
      shared.secondOthers.push_back(position);
      continue;
    }
    if (first.countAttributesNamed(name) > 1 || second.countAttributesNamed(name) > 1)
      fatal(textOf(Text::joinRepeatedNameMessage), name);
    shared.firstPositions.push_back(firstPosition);
    shared.secondPositions.push_back(position);
    shared.keyTypes.addAttributeFrom(first, firstPosition);
  }
  return shared;
}

void SharedAttributes::requireSameTypes(const AttributeList& first, const AttributeList& second) const {
  for (std::size_t index = 0; index < firstPositions.size(); ++index) {
    if (first.getAttributeType(firstPositions[index]) != second.getAttributeType(secondPositions[index])) {
      failTypeMismatch();
    }
  }
}

}  // namespace qerix
