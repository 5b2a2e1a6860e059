#include "exec/hash/key_join.h"

#include <string>

#include "exec/pieces/record_pieces.h"
#include "exec/views/paired_records.h"
#include "model/null_value.h"
#include "model/record_limit.h"

namespace qerix {

KeyJoin::KeyJoin(Relation& secondRelation, const KeyFields& secondKey, AttributeList keyTypes)
    : second(secondRelation) {
  materialize(secondRelation);
  if (secondKey.getCount() > 0) groups = std::make_unique<RecordGroups>(second, secondKey, std::move(keyTypes));
}

std::uint32_t KeyJoin::firstPartner(std::string_view firstKey) const {
  if (!groups) return second.isEmpty() ? RecordGroups::endOfGroup : 0;
  // A null equals nothing, not even a null.
  if (holdsNull(firstKey)) return RecordGroups::endOfGroup;
  return groups->firstMember(firstKey);
}

std::uint32_t KeyJoin::nextPartner(std::uint32_t partner) const {
  if (groups) return groups->nextMember(partner);
  return partner + 1 < second.getRecordCount() ? partner + 1 : RecordGroups::endOfGroup;
}

std::vector<std::uint32_t> KeyJoin::partnersOf(const Relation& first, const KeyFields& firstKey) const {
  const std::size_t firstCount = first.getRecordCount();
  return joinPieces(mapPieces(first, [&](const Relation& piece, std::size_t index) {
    std::vector<std::uint32_t> members;
    // Most records have a partner or two. The first piece's list has room
    // for the others, which join it.
    members.reserve(2 * (index == 0 ? firstCount : piece.getRecordCount()));
    std::string scratch;
    // A piece past the record limit puts the whole join past it; checked
    // per record, so that a join without a shared key stops early.
    const std::uint64_t limit = RecordLimit::current();
    std::size_t ended = 0;
    for (RecordScanner scanner(piece); scanner.next();) {
      const std::string_view key = groups ? firstKey.keyOf(scanner.getCurrent().getValues(), scratch) : "";
      for (auto member = firstPartner(key); member != RecordGroups::endOfGroup; member = nextPartner(member)) {
        members.push_back(member);
      }
      members.push_back(PairedRecords::groupEnd);
      if (members.size() - ++ended > limit) RecordLimit::exceed();
    }
    return members;
  }));
}

}  // namespace qerix
