#include "algebra/divide_operator.h"

#include <array>
#include <bit>
#include <cstdint>
#include <ostream>
#include <string>
#include <unordered_set>

#include "conditions/comparison_operator.h"
#include "exec/distinct_projections.h"
#include "exec/key_fields.h"
#include "exec/record_index.h"
#include "exec/record_pieces.h"
#include "model/fatal_error.h"
#include "model/text_arena.h"

namespace qerix {

namespace {

constexpr std::string_view notOnceMessage =
    "Hibas osztas, az oszto attributuma nem szerepel pontosan egyszer az osztandoban: ";
constexpr std::string_view repeatedMessage = "Hibas osztas, tobbszor szereplo attributum az osztoban: ";
constexpr std::string_view noQuotientMessage = "Hibas osztas, nem marad attributum az eredmenyben.";

int countOf(const AttributeList& attributes, std::string_view name) {
  int count = 0;
  for (int position = 1; position <= attributes.getAttributeCount(); ++position) {
    if (attributes.getAttributeName(position) == name) ++count;
  }
  return count;
}

// Which divisor records each quotient was seen with: a bit per divisor
// record while there are few, pairs in a set otherwise.
class QuotientCover {
 public:
  explicit QuotientCover(std::size_t divisorCount) : divisors(divisorCount) {}

  void note(std::uint32_t quotient, std::uint32_t divisor) {
    if (quotient >= counts.size()) {
      counts.resize(quotient + 1, 0);
      if (divisors <= 64) seenBits.resize(quotient + 1, 0);
    }
    if (divisors <= 64) {
      const std::uint64_t bit = std::uint64_t{1} << divisor;
      if ((seenBits[quotient] & bit) != 0) return;
      seenBits[quotient] |= bit;
    } else if (!seenPairs.insert((std::uint64_t{quotient} << 32) | divisor).second) {
      return;
    }
    ++counts[quotient];
  }

  // Whether the quotient was seen with every divisor record.
  bool covers(std::uint32_t quotient) const { return quotient < counts.size() && counts[quotient] == divisors; }

 private:
  std::size_t divisors;
  std::vector<std::uint32_t> counts;
  std::vector<std::uint64_t> seenBits;
  std::unordered_set<std::uint64_t> seenPairs;
};

}  // namespace

DivideOperator::Layout DivideOperator::Layout::of(const AttributeList& dividend, const AttributeList& divisor) {
  Layout layout;
  for (int position = 1; position <= divisor.getAttributeCount(); ++position) {
    const std::string_view name = divisor.getAttributeName(position);
    if (countOf(dividend, name) != 1) fatal(notOnceMessage, name);
    layout.divisorPositions.push_back(dividend.getAttributeIndex(name));
  }
  for (int position = 1; position <= divisor.getAttributeCount(); ++position) {
    const std::string_view name = divisor.getAttributeName(position);
    if (countOf(divisor, name) > 1) fatal(repeatedMessage, name);
  }
  for (int position = 1; position <= dividend.getAttributeCount(); ++position) {
    if (divisor.getAttributeIndex(dividend.getAttributeName(position)) != 0) continue;
    layout.quotientPositions.push_back(position);
    layout.quotient.addAttribute(dividend.getAttributeType(position), dividend.getAttributeName(position));
  }
  if (layout.quotientPositions.empty()) fatal(noQuotientMessage);
  return layout;
}

void DivideOperator::print(std::ostream& out) const { out << "Divide\n"; }

void DivideOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const std::unique_ptr<Relation> dividend = takeOperand(left);
  const std::unique_ptr<Relation> divisor = takeOperand(right);
  if (!dividend || !divisor) return;
  const Layout layout = Layout::of(dividend->getAttributes(), divisor->getAttributes());
  result = std::make_unique<Relation>(layout.quotient);
  if (dividend->isEmpty()) return;
  DistinctProjections quotients(result->getAttributes(), layout.quotientPositions);
  if (divisor->isEmpty()) {
    for (RecordScanner scanner(*dividend); scanner.next();) quotients.add(scanner.getCurrent().getValues());
    quotients.moveTo(*result);
    return;
  }
  // Each divisor value meets the dividend's attribute of its name.
  for (std::size_t index = 0; index < layout.divisorPositions.size(); ++index) {
    if (dividend->getAttributeType(layout.divisorPositions[index]) !=
        divisor->getAttributeType(static_cast<int>(index) + 1)) {
      failTypeMismatch();
    }
  }

  // The divisor's distinct records, numbered.
  materialize(*divisor);
  const AttributeList& divisorTypes = divisor->getAttributes();
  RecordIndex divisorRecords(divisorTypes, divisorTypes.getAttributeCount(), divisor->getRecordCount());
  for (const std::string_view record : divisor->getRecordTexts()) {
    const std::uint64_t hash = divisorRecords.hashOf(record);
    if (!divisorRecords.find(record, hash)) divisorRecords.add(record, hash);
  }

  // Which quotients meet which divisor records; then the quotients that meet all.
  const KeyFields divisorPart = KeyFields::at(layout.divisorPositions);
  const KeyFields quotientPart = KeyFields::at(layout.quotientPositions);
  RecordIndex quotientIndex(layout.quotient, layout.quotient.getAttributeCount(), 1024);
  TextArena quotientTexts;
  QuotientCover cover(divisorRecords.size());
  std::string scratch;
  for (RecordScanner scanner(*dividend); scanner.next();) {
    const std::string_view record = scanner.getCurrent().getValues();
    const std::string_view divisorKey = divisorPart.keyOf(record, scratch);
    const auto divisorNumber = divisorRecords.find(divisorKey, divisorRecords.hashOf(divisorKey));
    if (!divisorNumber) continue;
    const std::string_view quotient = quotientPart.keyOf(record, scratch);
    const std::uint64_t hash = quotientIndex.hashOf(quotient);
    auto quotientNumber = quotientIndex.find(quotient, hash);
    if (!quotientNumber) quotientNumber = quotientIndex.add(quotientTexts.store(quotient), hash);
    cover.note(*quotientNumber, *divisorNumber);
  }
  for (RecordScanner scanner(*dividend); scanner.next();) {
    const std::string_view record = scanner.getCurrent().getValues();
    const std::string_view quotient = quotientPart.keyOf(record, scratch);
    const auto quotientNumber = quotientIndex.find(quotient, quotientIndex.hashOf(quotient));
    if (quotientNumber && cover.covers(*quotientNumber)) quotients.add(record);
  }
  quotients.moveTo(*result);
}

}  // namespace qerix
