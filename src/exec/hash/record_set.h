#ifndef QERIX_EXEC_HASH_RECORD_SET_H
#define QERIX_EXEC_HASH_RECORD_SET_H

#include <memory>
#include <vector>

#include "exec/hash/key_fields.h"
#include "model/attribute_list.h"
#include "model/relation.h"

namespace qerix {

// The distinct keys of a relation's records, hashed so that membership is
// found in constant expected time: what minus, intersect and the semijoins
// look records up in. Keys compare as records do, under the key types ("int"
// fields by number). A large relation in the input file is hashed in pieces
// at once, a table per piece, and a lookup asks every table.
class RecordSet {
 public:
  // `keyTypes` holds one type per key field. The set keeps views of records
  // held in memory, so `records` must stay alive while the set is used.
  RecordSet(const Relation& records, const KeyFields& key, AttributeList keyTypes);
  RecordSet(const RecordSet&) = delete;
  RecordSet& operator=(const RecordSet&) = delete;
  ~RecordSet();

  // For each record of `probed`, in order, whether the set holds its key
  // (taken with `key`, of the same field count and types). Lookups go a
  // batch at a time, so that their waits for memory overlap; a large
  // relation in the input file is looked up in pieces at once.
  // With `nullsMatch` false (as a join matches), a key that holds a null
  // is found in no set.
  std::vector<bool> findEach(const Relation& probed, const KeyFields& key, bool nullsMatch = true) const;

 private:
  struct Part;

  std::vector<bool> findEachOf(const Relation& piece, const KeyFields& key, bool nullsMatch) const;

  const AttributeList types;
  std::vector<std::unique_ptr<Part>> parts;
};

}  // namespace qerix

#endif  // QERIX_EXEC_HASH_RECORD_SET_H
