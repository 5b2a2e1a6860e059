#include "algebra/group_operator.h"

#include <ostream>
#include <set>
#include <string>

#include "model/fatal_error.h"
#include "model/name_check.h"

namespace qerix {

namespace {

constexpr std::string_view unknownNameMessage = "Hibas csoportositas, nincs ilyen attributum (";
constexpr std::string_view sharedNameMessage = "Hibas csoportositas, tobb attributum neve is ez (";
constexpr std::string_view keyPlace = "csoportosito attributum";
constexpr std::string_view takenNameMessage = "Hibas csoportositas, ez a nev tobbszor szerepel az eredmenyben: ";
constexpr std::string_view notNumberMessage =
    "Hibas csoportositas, csak int vagy decimal tipusu attributum osszegezheto es atlagolhato: ";
constexpr std::string_view overflowMessage =
    "Hibas csoportositas, az int tipusu osszeg nem fer el 32 biten (-2147483648..2147483647): ";
constexpr std::string_view decimalOverflowMessage =
    "Hibas csoportositas, a decimal tipusu osszeg tul nagy (legfeljebb 18 egesz jegy): ";

bool isSummable(const AttributeList& attributes, int position) {
  return attributes.isNumeric(position) || attributes.isDecimal(position);
}

}  // namespace

void GroupOperator::setGroupingList(std::string_view text) { list = readGroupingList(text); }

void GroupOperator::print(std::ostream& out) const {
  out << "Group: ";
  bool first = true;
  for (const std::string& key : list.keys) {
    out << (first ? "" : ", ") << key;
    first = false;
  }
  for (const AggregateCall& aggregate : list.aggregates) {
    out << (first ? "" : ", ") << aggregate.callText();
    if (aggregate.named) out << "->" << aggregate.resultName;
    first = false;
  }
  out << '\n';
}

void GroupOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  const std::unique_ptr<Relation> input = takeOperand(left);
  if (!input) return;
  const AttributeList& attributes = input->getAttributes();
  AttributeList resultAttributes;
  std::set<std::string, std::less<>> resultNames;
  auto claimName = [&](std::string_view name) {
    if (!resultNames.emplace(name).second) fatal(takenNameMessage, name);
  };
  std::vector<int> keyPositions;
  for (const std::string& key : list.keys) {
    const int position = findOnlyAttribute(attributes, key, lookup, keyPlace, {unknownNameMessage, sharedNameMessage});
    keyPositions.push_back(position);
    resultAttributes.addAttributeFrom(attributes, position);
    claimName(attributes.getAttributeName(position));
  }
  std::vector<AggregateColumn> columns;
  std::vector<int> valuePositions;
  for (const AggregateCall& aggregate : list.aggregates) {
    AggregateColumn column{aggregate.kind, 0};
    std::string type = "int";
    if (aggregate.kind != AggregateKind::countRecords) {
      const std::string call = aggregate.callText();
      column.position =
          findOnlyAttribute(attributes, aggregate.attribute, lookup, call, {unknownNameMessage, sharedNameMessage});
      const std::string_view valueType = attributes.getAttributeType(column.position);
      const bool arithmetic = aggregate.kind == AggregateKind::sum || aggregate.kind == AggregateKind::average;
      if (arithmetic && !isSummable(attributes, column.position)) fatal(notNumberMessage, call);
      if (aggregate.kind == AggregateKind::average) type = "decimal";
      if (aggregate.kind == AggregateKind::sum || aggregate.kind == AggregateKind::minimum ||
          aggregate.kind == AggregateKind::maximum) {
        type = valueType;
      }
    }
    claimName(aggregate.resultName);
    resultAttributes.addAttribute(type, aggregate.resultName);
    columns.push_back(column);
    valuePositions.push_back(column.position);
  }
  const GroupedAggregates grouping(attributes, std::move(keyPositions), std::move(columns));
  GroupedAggregates::Outcome outcome = grouping.aggregate(*input);
  if (outcome.overflowingColumn) {
    const std::size_t column = *outcome.overflowingColumn;
    const bool decimals = attributes.isDecimal(valuePositions[column]);
    fatal(decimals ? decimalOverflowMessage : overflowMessage, list.aggregates[column].callText());
  }
  // AVG's "decimal" compares by value above the grouping, as a loaded one does.
  resultAttributes.readDecimalTypes();
  result = std::make_unique<Relation>(std::move(resultAttributes));
  result->reserveRecords(outcome.records.size());
  for (const std::string& record : outcome.records) result->appendNewRecord(record);
}

}  // namespace qerix
