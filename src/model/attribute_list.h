#ifndef QERIX_MODEL_ATTRIBUTE_LIST_H
#define QERIX_MODEL_ATTRIBUTE_LIST_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qerix {

// Positions and field numbers count from 1; 0 means "no such attribute".
constexpr std::size_t indexOf(int position) { return static_cast<std::size_t>(position - 1); }

// Only this exact type text makes values compare as numbers.
constexpr bool isNumericType(std::string_view type) { return type == "int"; }

// One column: a free type text and a name.
class Attribute {
 public:
  Attribute(std::string typeText, std::string attributeName);

  const std::string& getType() const { return type; }
  const std::string& getName() const { return name; }
  void setName(std::string newName) { name = std::move(newName); }

 private:
  std::string type;
  std::string name;
};

// The ordered columns of a relation. Names need not be unique: a lookup by
// name finds the first attribute that bears it.
class AttributeList {
 public:
  void addAttribute(std::string_view type, std::string_view name);
  void addAttributes(const AttributeList& list);  // appends copies
  AttributeList leading(int count) const;         // the first `count` attributes

  int getAttributeCount() const { return static_cast<int>(attributes.size()); }
  std::string_view getAttributeName(int position) const;  // "" out of range
  std::string_view getAttributeType(int position) const;  // "" out of range
  // Asked for every field of every comparison, so known in advance.
  bool isNumeric(int position) const { return holds(position) && numeric[indexOf(position)] != 0; }
  int getAttributeIndex(std::string_view name) const;  // 0 when no attribute has it
  int countAttributesNamed(std::string_view name) const;
  std::vector<std::string_view> getAttributeNames() const;  // in order; valid while the list is
  void setAttributeName(int position, std::string_view newName);  // ignored out of range

 private:
  bool holds(int position) const { return position >= 1 && position <= getAttributeCount(); }

  std::vector<Attribute> attributes;
  std::vector<char> numeric;  // isNumericType of each attribute's type
};

}  // namespace qerix

#endif  // QERIX_MODEL_ATTRIBUTE_LIST_H
