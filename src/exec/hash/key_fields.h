#ifndef QERIX_EXEC_HASH_KEY_FIELDS_H
#define QERIX_EXEC_HASH_KEY_FIELDS_H

#include <string>
#include <string_view>
#include <vector>

namespace qerix {

// Which fields of a record make its key for hashing, in order: its first
// `count` fields, or the fields at some positions (from 1). A key is itself a
// record text (see model/record_values.h), to be compared under the types of
// its fields.
class KeyFields {
 public:
  static KeyFields leading(int count) { return KeyFields(count, {}); }
  static KeyFields at(std::vector<int> positions);

  int getCount() const { return count; }
  // Whether a key is a view of its record: the record itself (its leading
  // fields, the others ignored by the comparison) or a single value of it.
  bool viewsTheRecord() const { return positions.size() <= 1; }

  // The key of a record text. It views the record where viewsTheRecord();
  // otherwise it is built in `scratch` and valid until that changes.
  std::string_view keyOf(std::string_view record, std::string& scratch) const;

 private:
  KeyFields(int fieldCount, std::vector<int> keyPositions) : count(fieldCount), positions(std::move(keyPositions)) {}

  int count;
  std::vector<int> positions;  // empty for the leading fields
};

}  // namespace qerix

#endif  // QERIX_EXEC_HASH_KEY_FIELDS_H
