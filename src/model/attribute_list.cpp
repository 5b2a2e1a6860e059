#include "model/attribute_list.h"

#include <algorithm>
#include <utility>

namespace qerix {

Attribute::Attribute(std::string typeText, std::string attributeName)
    : type(std::move(typeText)), name(std::move(attributeName)) {}

void AttributeList::addAttribute(std::string_view type, std::string_view name) {
  attributes.emplace_back(std::string(type), std::string(name));
  numeric.push_back(isNumericType(type) ? 1 : 0);
}

void AttributeList::addAttributes(const AttributeList& list) {
  // Copy first: the list may be this one.
  const std::vector<Attribute> copies = list.attributes;
  const std::vector<char> copiedTypes = list.numeric;
  attributes.insert(attributes.end(), copies.begin(), copies.end());
  numeric.insert(numeric.end(), copiedTypes.begin(), copiedTypes.end());
}

AttributeList AttributeList::leading(int count) const {
  AttributeList first;
  for (int position = 1; position <= count && holds(position); ++position) {
    first.addAttribute(getAttributeType(position), getAttributeName(position));
  }
  return first;
}

std::string_view AttributeList::getAttributeName(int position) const {
  return holds(position) ? std::string_view(attributes[indexOf(position)].getName()) : std::string_view();
}

std::string_view AttributeList::getAttributeType(int position) const {
  return holds(position) ? std::string_view(attributes[indexOf(position)].getType()) : std::string_view();
}

int AttributeList::getAttributeIndex(std::string_view name) const {
  for (int position = 1; position <= getAttributeCount(); ++position) {
    if (attributes[indexOf(position)].getName() == name) return position;
  }
  return 0;
}

int AttributeList::countAttributesNamed(std::string_view name) const {
  return static_cast<int>(std::count_if(attributes.begin(), attributes.end(),
                                        [name](const Attribute& attribute) { return attribute.getName() == name; }));
}

void AttributeList::setAttributeName(int position, std::string_view newName) {
  if (holds(position)) attributes[indexOf(position)].setName(std::string(newName));
}

std::vector<std::string_view> AttributeList::getAttributeNames() const {
  std::vector<std::string_view> names;
  names.reserve(attributes.size());
  for (const Attribute& attribute : attributes) names.push_back(attribute.getName());
  return names;
}

}  // namespace qerix
