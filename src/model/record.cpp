#include "model/record.h"

#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/relation.h"

namespace qerix {

void failGetValue() { fatal(textOf(Text::getValueMessage)); }
void failSetValue() { fatal(textOf(Text::setValueMessage)); }

int Record::getValueCount() const { return relation->getAttributeCount(); }

std::string_view Record::getValue(int fieldno) const {
  if (fieldno < 1 || fieldno > getValueCount()) failGetValue();
  return valueAt(values, fieldno);
}

std::string_view Record::getValue(std::string_view attributeName) const {
  return getValue(relation->getAttributeIndex(attributeName));
}

std::weak_ordering Record::compareTo(const Record& other) const {
  const AttributeList& types = relation->getAttributes();
  const int fieldCount = getValueCount();
  const int otherCount = other.getValueCount();
  if (otherCount >= fieldCount) return compareValues(types, fieldCount, values, other.values);
  // The other record lacks fields: an error only once the comparison gets there.
  const auto order = compareValues(types, otherCount, values, other.values);
  if (order != 0) return order;
  failGetValue();
}

}  // namespace qerix
