#include "tools/language_json.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "query/language_table.h"

namespace qerix {

namespace {

using nlohmann::ordered_json;

ordered_json spellings(std::string_view alternatives) {
  ordered_json list = ordered_json::array();
  while (!alternatives.empty()) {
    const std::string_view spelling = firstSpelling(alternatives);
    list.push_back(std::string(spelling));
    alternatives.remove_prefix(std::min(alternatives.size(), spelling.size() + 1));
  }
  return list;
}

const char* formName(OperatorForm form) {
  switch (form) {
    case OperatorForm::withCondition:
      return "condition";
    case OperatorForm::withAttributeList:
      return "attributes";
    case OperatorForm::withRenameList:
      return "rename";
    case OperatorForm::withRelationName:
      return "relation name";
    case OperatorForm::withRenamePairs:
      return "rename pairs";
    case OperatorForm::withGroupingList:
      return "grouping";
    case OperatorForm::binary:
      return "binary";
    case OperatorForm::unary:
      return "unary";
    case OperatorForm::withSortList:
      return "sort list";
    case OperatorForm::binaryOrCondition:
      return "binary or condition";
  }
  return "";
}

const char* formName(ConditionForm form) {
  switch (form) {
    case ConditionForm::comparison:
      return "comparison";
    case ConditionForm::both:
      return "and";
    case ConditionForm::either:
      return "or";
    case ConditionForm::negation:
      return "not";
  }
  return "";
}

}  // namespace

void writeLanguageJson(std::ostream& out) {
  ordered_json json;
  ordered_json operators = ordered_json::array();
  for (const OperatorEntry& entry : operatorEntries()) {
    operators.push_back({{"keyword", std::string(entry.keyword)},
                         {"symbols", spellings(entry.symbols)},
                         {"words", spellings(entry.words)},
                         {"latex", spellings(entry.latex)},
                         {"form", formName(entry.form)},
                         {"extended", entry.needsExtended},
                         {"precedence", entry.precedence}});
  }
  json["operators"] = operators;
  ordered_json conditions = ordered_json::array();
  for (const ConditionEntry& entry : conditionEntries()) {
    conditions.push_back({{"keyword", std::string(entry.keyword)},
                          {"symbols", spellings(entry.symbols)},
                          {"words", spellings(entry.words)},
                          {"latex", spellings(entry.latex)},
                          {"form", formName(entry.form)},
                          {"precedence", entry.precedence}});
  }
  json["conditions"] = conditions;
  json["assignment"] = {{"symbols", spellings(assignmentSymbols)},
                        {"words", spellings(assignmentWords)},
                        {"latex", spellings(assignmentLatex)}};
  out << json.dump() << '\n';
}

}  // namespace qerix
