#include "model/attribute_list.h"

#include <algorithm>
#include <utility>

namespace qerix {

Attribute::Attribute(std::string typeText, std::string attributeName)
    : type(std::move(typeText)),
      name(std::move(attributeName)),
      kind(isNumericType(type) ? ValueKind::number : ValueKind::text) {}

void Attribute::setOrigin(std::string_view origin) {
  origins.clear();
  if (!origin.empty()) origins.emplace_back(origin);
}

void Attribute::addOrigins(const Attribute& other) {
  for (const std::string& origin : other.origins) {
    if (std::find(origins.begin(), origins.end(), origin) == origins.end()) origins.push_back(origin);
  }
}

bool Attribute::isNamedBy(std::string_view qualifiedName) const {
  if (qualifiedName.size() <= name.size() || !qualifiedName.ends_with(name)) return false;
  const std::size_t dot = qualifiedName.size() - name.size() - 1;
  if (qualifiedName[dot] != '.') return false;
  const std::string_view origin = qualifiedName.substr(0, dot);
  return std::find(origins.begin(), origins.end(), origin) != origins.end();
}

void AttributeList::addAttribute(std::string_view type, std::string_view name) {
  push(Attribute(std::string(type), std::string(name)));
}

void AttributeList::push(const Attribute& attribute) {
  attributes.push_back(attribute);
  kinds.push_back(attribute.getKind());
}

void AttributeList::readDecimalTypes() {
  for (std::size_t index = 0; index < attributes.size(); ++index) {
    if (attributes[index].getType() == decimalTypeName) {
      attributes[index].setKind(ValueKind::decimal);
      kinds[index] = ValueKind::decimal;
    }
  }
}

void AttributeList::addAttributes(const AttributeList& list) {
  // Copy first: the list may be this one.
  const std::vector<Attribute> copies = list.attributes;
  for (const Attribute& copy : copies) push(copy);
}

AttributeList AttributeList::leading(int count) const {
  AttributeList first;
  for (int position = 1; position <= count && holds(position); ++position) {
    Attribute attribute{std::string(getAttributeType(position)), std::string(getAttributeName(position))};
    attribute.setKind(getKind(position));
    first.push(attribute);
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

void AttributeList::addAttributeFrom(const AttributeList& list, int position) {
  if (!list.holds(position)) {
    addAttribute("", "");
    return;
  }
  // Copy first: the list may be this one.
  const Attribute copy = list.attributes[indexOf(position)];
  push(copy);
}

void AttributeList::setOrigin(std::string_view origin) {
  for (Attribute& attribute : attributes) attribute.setOrigin(origin);
}

void AttributeList::addOrigins(int position, const AttributeList& list, int listPosition) {
  if (!holds(position) || !list.holds(listPosition)) return;
  const Attribute other = list.attributes[indexOf(listPosition)];
  attributes[indexOf(position)].addOrigins(other);
}

int AttributeList::findAttribute(std::string_view name, NameLookup lookup) const {
  const int position = getAttributeIndex(name);
  if (position != 0 || lookup == NameLookup::plain) return position;
  for (int qualified = 1; qualified <= getAttributeCount(); ++qualified) {
    if (attributes[indexOf(qualified)].isNamedBy(name)) return qualified;
  }
  return 0;
}

int AttributeList::countAttributesFound(std::string_view name, NameLookup lookup) const {
  const int named = countAttributesNamed(name);
  if (named != 0 || lookup == NameLookup::plain) return named;
  return static_cast<int>(std::count_if(attributes.begin(), attributes.end(),
                                        [name](const Attribute& attribute) { return attribute.isNamedBy(name); }));
}

std::vector<std::string> AttributeList::getQualifiedNames() const {
  std::vector<std::string> names;
  for (const Attribute& attribute : attributes) {
    for (const std::string& origin : attribute.getOrigins()) names.push_back(origin + "." + attribute.getName());
  }
  return names;
}

std::vector<std::string> AttributeList::qualifiedNamesTellingApart(std::string_view name) const {
  std::vector<std::string> names;
  for (const Attribute& attribute : attributes) {
    if (attribute.getName() != name) continue;
    const auto& origins = attribute.getOrigins();
    const auto alone = std::find_if(origins.begin(), origins.end(), [&](const std::string& origin) {
      return countAttributesFound(origin + "." + attribute.getName(), NameLookup::qualified) == 1;
    });
    if (alone == origins.end()) return {};
    names.push_back(*alone + "." + attribute.getName());
  }
  return names;
}

std::vector<std::string_view> AttributeList::getAttributeNames() const {
  std::vector<std::string_view> names;
  names.reserve(attributes.size());
  for (const Attribute& attribute : attributes) names.push_back(attribute.getName());
  return names;
}

}  // namespace qerix
