#include "exec/hash/key_fields.h"

#include "model/record_values.h"

namespace qerix {

KeyFields KeyFields::at(std::vector<int> positions) {
  // The first fields in their order are a record's leading fields: no copy.
  bool leadingFields = true;
  for (std::size_t index = 0; index < positions.size(); ++index) {
    leadingFields = leadingFields && positions[index] == static_cast<int>(index) + 1;
  }
  if (leadingFields) return leading(static_cast<int>(positions.size()));
  const int count = static_cast<int>(positions.size());
  return KeyFields(count, std::move(positions));
}

std::string_view KeyFields::keyOf(std::string_view record, std::string& scratch) const {
  if (positions.empty()) return record;
  if (positions.size() == 1) return valueAt(record, positions[0]);
  scratch.clear();
  for (std::size_t index = 0; index < positions.size(); ++index) {
    if (index > 0) scratch += ',';
    scratch += valueAt(record, positions[index]);
  }
  return scratch;
}

}  // namespace qerix
