#include "inspect/attribute_texts.h"

namespace qerix {

std::string listText(const std::vector<std::string_view>& names) {
  std::string text;
  for (const std::string_view name : names) text += (text.empty() ? "" : ", ") + std::string(name);
  return text;
}

std::string headerText(const AttributeList& attributes) {
  std::string text = "(";
  for (int position = 1; position <= attributes.getAttributeCount(); ++position) {
    if (position > 1) text += ", ";
    text +=
        std::string(attributes.getAttributeName(position)) + " " + std::string(attributes.getAttributeType(position));
  }
  return text + ")";
}

}  // namespace qerix
