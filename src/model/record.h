#ifndef QERIX_MODEL_RECORD_H
#define QERIX_MODEL_RECORD_H

#include <compare>
#include <string_view>

namespace qerix {

class Relation;

// One row of a relation, seen through that relation: its values (joined by
// commas, see record_values.h) and the relation whose attribute list gives
// their count, names and types. A Record is a light view: the relation owns
// the row, and the view must not outlive it.
class Record {
 public:
  Record(const Relation& owner, std::string_view joinedValues) : relation(&owner), values(joinedValues) {}

  const Relation& getRelation() const { return *relation; }
  int getValueCount() const;
  std::string_view getValues() const { return values; }

  // Both end the run with the getValue message when fieldno is not in
  // 1..getValueCount() (the by-name form when no attribute has the name).
  std::string_view getValue(int fieldno) const;
  std::string_view getValue(std::string_view attributeName) const;

  // Field by field from this record's side: its relation gives the number of
  // fields and their types, and a field that the other record lacks ends the
  // run with the getValue message once the comparison reaches it.
  bool operator==(const Record& other) const { return compareTo(other) == 0; }
  bool operator<=(const Record& other) const { return compareTo(other) <= 0; }
  bool operator<(const Record& other) const { return compareTo(other) < 0; }
  bool operator>(const Record& other) const { return compareTo(other) > 0; }
  bool operator>=(const Record& other) const { return compareTo(other) >= 0; }
  std::weak_ordering compareTo(const Record& other) const;

 private:
  const Relation* relation;
  std::string_view values;
};

// The two field-number errors; each ends the run.
[[noreturn]] void failGetValue();
[[noreturn]] void failSetValue();

}  // namespace qerix

#endif  // QERIX_MODEL_RECORD_H
