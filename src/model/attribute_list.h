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

// How an attribute's values compare: as bytes, as 32-bit numbers ("int"), or
// with -x as decimal numbers ("decimal", see model/decimal.h).
enum class ValueKind : unsigned char { text, number, decimal };
inline constexpr std::string_view decimalTypeName = "decimal";

// How a name finds its attribute: by the name alone, or (with -x) also as
// "R.a", the attribute a that came from the relation or rename R.
enum class NameLookup { plain, qualified };

// One column: a free type text, a name, and the relations (or renames) it
// came from. A natural join's shared attribute came from both sides.
class Attribute {
 public:
  Attribute(std::string typeText, std::string attributeName);

  const std::string& getType() const { return type; }
  const std::string& getName() const { return name; }
  ValueKind getKind() const { return kind; }
  void setKind(ValueKind valueKind) { kind = valueKind; }
  void setName(std::string newName) { name = std::move(newName); }

  const std::vector<std::string>& getOrigins() const { return origins; }
  void setOrigin(std::string_view origin);               // the only one from now on; "" leaves none
  void addOrigins(const Attribute& other);               // those of `other` it lacks
  bool isNamedBy(std::string_view qualifiedName) const;  // "R.a" for one of its origins R

 private:
  std::string type;
  std::string name;
  ValueKind kind;  // from the type text; only the loader, with -x, makes one decimal
  std::vector<std::string> origins;
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
  bool isNumeric(int position) const { return getKind(position) == ValueKind::number; }
  bool isDecimal(int position) const { return getKind(position) == ValueKind::decimal; }
  ValueKind getKind(int position) const { return holds(position) ? kinds[indexOf(position)] : ValueKind::text; }
  // With -x: every attribute whose type is "decimal" holds decimal numbers.
  void readDecimalTypes();
  int getAttributeIndex(std::string_view name) const;  // 0 when no attribute has it
  int countAttributesNamed(std::string_view name) const;
  std::vector<std::string_view> getAttributeNames() const;  // in order; valid while the list is
  void setAttributeName(int position, std::string_view newName);  // ignored out of range

  // Where the attributes came from; copies keep them.
  // A copy of one, origins and all; out of range, one without type or name.
  void addAttributeFrom(const AttributeList& list, int position);
  void setOrigin(std::string_view origin);  // of every attribute
  void addOrigins(int position, const AttributeList& list, int listPosition);
  // The attribute a name finds: one of that exact name, else, looked up as
  // qualified, one that "R.a" names; the first of them, or 0.
  int findAttribute(std::string_view name, NameLookup lookup) const;
  int countAttributesFound(std::string_view name, NameLookup lookup) const;  // by the same rule
  // "R.a" for every origin of every attribute, in order.
  std::vector<std::string> getQualifiedNames() const;
  // A qualified name for each attribute that bears `name`, each naming that
  // one alone; empty when their origins cannot tell them apart.
  std::vector<std::string> qualifiedNamesTellingApart(std::string_view name) const;

 private:
  bool holds(int position) const { return position >= 1 && position <= getAttributeCount(); }

  std::vector<Attribute> attributes;
  void push(const Attribute& attribute);

  std::vector<ValueKind> kinds;  // each attribute's kind
};

}  // namespace qerix

#endif  // QERIX_MODEL_ATTRIBUTE_LIST_H
