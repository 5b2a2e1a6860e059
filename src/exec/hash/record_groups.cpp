#include "exec/hash/record_groups.h"

namespace qerix {

RecordGroups::RecordGroups(const Relation& records, const KeyFields& key, AttributeList keyTypes)
    : types(std::move(keyTypes)),
      index(types, types.getAttributeCount(), records.getRecordCount()),
      next(records.getRecordCount(), endOfGroup) {
  std::string scratch;
  const std::vector<std::string_view>& texts = records.getRecordTexts();
  for (std::uint32_t member = 0; member < next.size(); ++member) {
    const std::string_view memberKey = key.keyOf(texts[member], scratch);
    const std::uint64_t hash = index.hashOf(memberKey);
    if (const auto group = index.find(memberKey, hash)) {
      next[last[*group]] = member;
      last[*group] = member;
    } else {
      index.add(key.viewsTheRecord() ? memberKey : builtKeys.store(memberKey), hash);
      firstOf.push_back(member);
      last.push_back(member);
    }
  }
}

std::uint32_t RecordGroups::firstMember(std::string_view key) const {
  const auto group = index.find(key, index.hashOf(key));
  return group ? firstOf[*group] : endOfGroup;
}

}  // namespace qerix
