#include "algebra/group_operator.h"

#include <ostream>
#include <set>
#include <string>

#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/name_check.h"

namespace qerix {

namespace {

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
    if (!resultNames.emplace(name).second) fatal(textOf(Text::groupingTakenNameMessage), name);
  };
  std::vector<int> keyPositions;
  for (const std::string& key : list.keys) {
    const int position = findOnlyAttribute(attributes, key, lookup, textOf(Text::groupingKeyPlace),
                                           {textOf(Text::groupingUnknownNameMessage), textOf(Text::groupingSharedNameMessage)});
    keyPositions.push_back(position);
    resultAttributes.addAttributeFrom(attributes, position);
    claimName(attributes.getAttributeName(position));
  }
  std::vector<AggregateColumn> columns;
  for (const AggregateCall& aggregate : list.aggregates) {
    AggregateColumn column{aggregate.kind, 0};
    std::string type = "int";
    if (aggregate.kind != AggregateKind::countRecords) {
      const std::string call = aggregate.callText();
      column.position =
          findOnlyAttribute(attributes, aggregate.attribute, lookup, call,
                            {textOf(Text::groupingUnknownNameMessage), textOf(Text::groupingSharedNameMessage)});
      const std::string_view valueType = attributes.getAttributeType(column.position);
      const bool arithmetic = aggregate.kind == AggregateKind::sum || aggregate.kind == AggregateKind::average;
      if (arithmetic && !isSummable(attributes, column.position)) fatal(textOf(Text::groupingNotNumberMessage), call);
      if (aggregate.kind == AggregateKind::average) type = "decimal";
      if (aggregate.kind == AggregateKind::sum || aggregate.kind == AggregateKind::minimum ||
          aggregate.kind == AggregateKind::maximum) {
        type = valueType;
      }
    }
    claimName(aggregate.resultName);
    resultAttributes.addAttribute(type, aggregate.resultName);
    columns.push_back(column);
  }
  const GroupedAggregates grouping(attributes, std::move(keyPositions), std::move(columns));
  GroupedAggregates::Outcome outcome = grouping.aggregate(*input);
  if (outcome.overflowingColumn) {
    const std::size_t column = *outcome.overflowingColumn;
    const bool decimals = grouping.readsDecimals(column);
    fatal(textOf(decimals ? Text::groupingDecimalOverflowMessage : Text::groupingOverflowMessage),
          list.aggregates[column].callText());
  }
  // AVG's "decimal" compares by value above the grouping, as a loaded one does.
  resultAttributes.readDecimalTypes();
  result = std::make_unique<Relation>(std::move(resultAttributes));
  result->reserveRecords(outcome.records.size());
  for (const std::string& record : outcome.records) result->appendNewRecord(record);
}

}  // namespace qerix
