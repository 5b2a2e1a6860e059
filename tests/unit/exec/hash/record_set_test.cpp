#include "exec/hash/record_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exec/hash/key_fields.h"
#include "exec/hash/key_join.h"
#include "exec/hash/record_groups.h"
#include "exec/views/paired_records.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::makeRelation;

TEST(KeyFields, LeadingFieldsViewTheRecordAndOthersAreBuilt) {
  std::string scratch;
  const KeyFields leading = KeyFields::at({1, 2});
  EXPECT_TRUE(leading.viewsTheRecord());
  EXPECT_EQ(leading.keyOf("1,x,y", scratch), "1,x,y");  // the comparison reads the first two only
  const KeyFields single = KeyFields::at({3});
  EXPECT_TRUE(single.viewsTheRecord());
  EXPECT_EQ(single.keyOf("1,x,y", scratch), "y");
  const KeyFields reordered = KeyFields::at({3, 1});
  EXPECT_FALSE(reordered.viewsTheRecord());
  EXPECT_EQ(reordered.keyOf("1,x,y", scratch), "y,1");
  EXPECT_EQ(reordered.keyOf(",,", scratch), ",");
}

std::vector<bool> bits(std::initializer_list<int> values) {
  std::vector<bool> result;
  for (const int value : values) result.push_back(value != 0);
  return result;
}

TEST(RecordSet, FindsKeysUnderTheKeyTypesWhateverFieldsHoldThem) {
  // Held: (b, a) of S, with b "int": 07 and 7 are one key.
  const auto held = makeRelation("S(a string, b int, c string)", {"x,07,p", "y,2,q", "x,07,r"});
  AttributeList types;
  types.addAttribute("int", "b");
  types.addAttribute("string", "a");
  const RecordSet set(*held, KeyFields::at({2, 1}), types);
  const auto probed = makeRelation("R(k int, s string)", {"7,x", "2,x", "+2,y", "7,y"});
  EXPECT_EQ(set.findEach(*probed, KeyFields::at({1, 2})), bits({1, 0, 1, 0}));
}

TEST(RecordGroups, ListMembersOfAKeyInTheRelationsOrder) {
  const auto records = makeRelation("S(k int, v string)", {"1,a", "2,b", "01,c", "3,d", "1,e"});
  AttributeList types;
  types.addAttribute("int", "k");
  const RecordGroups groups(*records, KeyFields::at({1}), types);
  std::vector<std::uint32_t> members;
  for (auto member = groups.firstMember("+1"); member != RecordGroups::endOfGroup; member = groups.nextMember(member)) {
    members.push_back(member);
  }
  EXPECT_EQ(members, std::vector<std::uint32_t>({0, 2, 4}));
  EXPECT_EQ(groups.firstMember("9"), RecordGroups::endOfGroup);
}

TEST(KeyJoin, PairsEachRecordWithItsPartnersOrWithAllWithoutAKey) {
  auto second = makeRelation("S(k int, v string)", {"1,a", "2,b", "1,c"});
  const auto first = makeRelation("R(x string, k int)", {"p,1", "q,3", "r,2"});
  AttributeList types;
  types.addAttribute("int", "k");
  const KeyJoin join(*second, KeyFields::at({1}), types);
  constexpr std::uint32_t end = PairedRecords::groupEnd;
  EXPECT_EQ(join.partnersOf(*first, KeyFields::at({2})), std::vector<std::uint32_t>({0, 2, end, end, 1, end}));
  const KeyJoin all(*second, KeyFields::leading(0), AttributeList());
  EXPECT_EQ(all.partnersOf(*first, KeyFields::leading(0)).size(), 3U * 3U + 3U);
}

}  // namespace
}  // namespace qerix
