#include "tools/grouping_notation.h"

namespace qerix {

namespace {

std::string_view arrowIn(Notation notation) {
  switch (notation) {
    case Notation::prefix:
      return "->";
    case Notation::textbook:
      return "\xE2\x86\x92";  // →
    case Notation::latex:
      break;
  }
  return " \\rightarrow ";
}

// The call with its attribute written by `nameOf`: the printers' text of the
// call is the function, "(", what it reads and ")".
std::string callIn(const AggregateCall& call, const std::function<std::string(std::string_view)>& nameOf) {
  std::string text = call.callText();
  if (call.attribute.empty()) return text;
  const std::size_t at = text.size() - 1 - call.attribute.size();
  return text.substr(0, at) + nameOf(call.attribute) + ")";
}

}  // namespace

std::string groupingListText(const GroupingList& list, Notation notation,
                             const std::function<std::string(std::string_view)>& nameOf) {
  std::string text;
  for (const std::string& key : list.keys) {
    if (!text.empty()) text += ',';
    text += nameOf(key);
  }
  for (const AggregateCall& call : list.aggregates) {
    if (!text.empty()) text += ',';
    text += callIn(call, nameOf);
    if (!call.named) continue;
    text += arrowIn(notation);
    text += nameOf(call.resultName);
  }
  return text;
}

}  // namespace qerix
