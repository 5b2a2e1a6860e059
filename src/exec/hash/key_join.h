#ifndef QERIX_EXEC_HASH_KEY_JOIN_H
#define QERIX_EXEC_HASH_KEY_JOIN_H

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "exec/hash/key_fields.h"
#include "exec/hash/record_groups.h"
#include "model/relation.h"

namespace qerix {

// The partners of each record of a first relation among the records of a
// second: those whose key equals its key, or, without key fields, all of
// them. What a natural join pairs. The second relation is brought into
// memory and grouped by its key once; the first is read in pieces at once.
class KeyJoin {
 public:
  // `keyTypes` holds one type per key field; no key fields pairs every record
  // with every record.
  KeyJoin(Relation& second, const KeyFields& secondKey, AttributeList keyTypes);
  KeyJoin(const KeyJoin&) = delete;
  KeyJoin& operator=(const KeyJoin&) = delete;

  // For each record of `first`, in order, its partners (record numbers of the
  // second, in its order), each list ended by PairedRecords::groupEnd.
  std::vector<std::uint32_t> partnersOf(const Relation& first, const KeyFields& firstKey) const;

  // The partners of one record of the first, as partnersOf lists them: the
  // first of a record's key (RecordGroups::endOfGroup for none), and the one
  // after a partner. Without key fields the key is not read.
  std::uint32_t firstPartner(std::string_view firstKey) const;
  std::uint32_t nextPartner(std::uint32_t partner) const;

 private:
  const Relation& second;
  std::unique_ptr<RecordGroups> groups;  // null without key fields
};

}  // namespace qerix

#endif  // QERIX_EXEC_HASH_KEY_JOIN_H
