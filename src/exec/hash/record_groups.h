#ifndef QERIX_EXEC_HASH_RECORD_GROUPS_H
#define QERIX_EXEC_HASH_RECORD_GROUPS_H

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "exec/hash/key_fields.h"
#include "exec/hash/record_index.h"
#include "model/attribute_list.h"
#include "model/relation.h"
#include "model/text_arena.h"

namespace qerix {

// The records of a relation held in memory, grouped by their key: what a join
// looks up the partners of a record in. Each group lists its members (record
// numbers from 0) in the relation's order.
class RecordGroups {
 public:
  static constexpr std::uint32_t endOfGroup = std::numeric_limits<std::uint32_t>::max();

  // `keyTypes` holds one type per key field; `records` must stay alive and
  // in memory while the groups are used.
  RecordGroups(const Relation& records, const KeyFields& key, AttributeList keyTypes);
  RecordGroups(const RecordGroups&) = delete;
  RecordGroups& operator=(const RecordGroups&) = delete;

  // The first member whose key equals `key`, or endOfGroup; then the next
  // member of its group after `member`, or endOfGroup.
  std::uint32_t firstMember(std::string_view key) const;
  std::uint32_t nextMember(std::uint32_t member) const { return next[member]; }

 private:
  const AttributeList types;
  RecordIndex index;
  TextArena builtKeys;
  std::vector<std::uint32_t> firstOf;
  std::vector<std::uint32_t> last;
  std::vector<std::uint32_t> next;
};

}  // namespace qerix

#endif  // QERIX_EXEC_HASH_RECORD_GROUPS_H
