#include "algebra/grouping_list.h"

#include <algorithm>
#include <array>

#include "model/fatal_error.h"
#include "model/letter_case.h"
#include "model/message_catalogue.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

constexpr std::string_view arrowAfter = "->";
constexpr std::string_view arrowBefore = "<-";

struct FunctionName {
  std::string_view name;
  AggregateKind kind;
};
constexpr std::array functions = {
    FunctionName{"COUNT", AggregateKind::count},   FunctionName{"SUM", AggregateKind::sum},
    FunctionName{"AVG", AggregateKind::average},   FunctionName{"MIN", AggregateKind::minimum},
    FunctionName{"MAX", AggregateKind::maximum},
};

// A name of the list: not empty, without blanks, parentheses or arrows.
std::string_view checkedName(std::string_view name, std::string_view item) {
  trim(name);
  if (name.empty() || name.find_first_of(" ()<>") != std::string_view::npos) fatal(textOf(Text::groupingMalformedNameMessage), item);
  return name;
}

std::string_view functionNameOf(AggregateKind kind) {
  if (kind == AggregateKind::countRecords || kind == AggregateKind::countDistinct) return "COUNT";
  for (const FunctionName& function : functions) {
    if (function.kind == kind) return function.name;
  }
  return "";
}

AggregateCall readCall(std::string_view call, std::string_view item) {
  trim(call);
  if (call.empty()) fatal(textOf(Text::groupingMalformedCallMessage), item);
  const std::size_t open = call.find('(');
  if (open == std::string_view::npos || call.back() != ')') fatal(textOf(Text::groupingMalformedCallMessage), item);
  std::string_view head = call.substr(0, open);
  std::string_view inner = call.substr(open + 1, call.size() - open - 2);
  trim(head);
  trim(inner);
  const auto function = std::find_if(functions.begin(), functions.end(),
                                     [&](const FunctionName& each) { return equalsIgnoringCase(head, each.name); });
  if (function == functions.end()) fatal(textOf(Text::groupingUnknownFunctionMessage), item);
  AggregateCall aggregate;
  aggregate.kind = function->kind;
  if (inner == "*") {
    if (function->kind != AggregateKind::count) fatal(textOf(Text::groupingStarOutsideCountMessage), item);
    aggregate.kind = AggregateKind::countRecords;
    return aggregate;
  }
  const std::size_t blank = inner.find(' ');
  if (blank != std::string_view::npos && equalsIgnoringCase(inner.substr(0, blank), "DISTINCT")) {
    if (function->kind != AggregateKind::count) fatal(textOf(Text::groupingDistinctOutsideCountMessage), item);
    aggregate.kind = AggregateKind::countDistinct;
    inner.remove_prefix(blank + 1);
  }
  if (inner.empty() || inner.find_first_of(" ()") != std::string_view::npos) fatal(textOf(Text::groupingMalformedCallMessage), item);
  aggregate.attribute = inner;
  return aggregate;
}

}  // namespace

std::string AggregateCall::callText() const {
  std::string text(functionNameOf(kind));
  text += '(';
  if (kind == AggregateKind::countRecords) text += '*';
  if (kind == AggregateKind::countDistinct) text += "DISTINCT ";
  text += attribute;
  text += ')';
  return text;
}

std::string defaultResultName(AggregateKind kind, std::string_view attribute) {
  if (kind == AggregateKind::countRecords) return "count";
  std::string name(functionNameOf(kind));
  std::transform(name.begin(), name.end(), name.begin(), [](char c) { return static_cast<char>(c - 'A' + 'a'); });
  if (kind == AggregateKind::countDistinct) name += "_distinct";
  // R.a gives the default name of a.
  const std::size_t dot = attribute.rfind('.');
  name += '_';
  name += dot == std::string_view::npos ? attribute : attribute.substr(dot + 1);
  return name;
}

GroupingList readGroupingList(std::string_view text) {
  const std::string_view wholeText = text;
  if (isBlank(text)) fatal(textOf(Text::groupingEmptyListMessage), wholeText);
  GroupingList list;
  while (true) {
    const std::size_t comma = findTopLevelComma(text);
    std::string_view item = text.substr(0, comma);
    trim(item);
    if (item.empty()) fatal(textOf(Text::groupingEmptyItemMessage), wholeText);
    const std::size_t after = item.find(arrowAfter);
    const std::size_t before = item.find(arrowBefore);
    if (after == std::string_view::npos && before == std::string_view::npos && item.find('(') == std::string_view::npos) {
      list.keys.emplace_back(checkedName(item, item));
    } else {
      std::string_view call = item;
      std::string_view name;
      if (after != std::string_view::npos) {
        call = item.substr(0, after);
        name = checkedName(item.substr(after + arrowAfter.size()), item);
      } else if (before != std::string_view::npos) {
        name = checkedName(item.substr(0, before), item);
        call = item.substr(before + arrowBefore.size());
      }
      AggregateCall aggregate = readCall(call, item);
      aggregate.named = !name.empty();
      aggregate.resultName = aggregate.named ? std::string(name) : defaultResultName(aggregate.kind, aggregate.attribute);
      list.aggregates.push_back(std::move(aggregate));
    }
    if (comma == std::string_view::npos) return list;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace qerix
