#include "inspect/keyword_suggestions.h"

#include <array>
#include <cctype>
#include <string>
#include <utility>

#include "model/edit_distance.h"
#include "model/letter_case.h"
#include "query/language_table.h"
#include "text/spelling_list.h"

namespace qerix {

namespace {

// Words students bring from other notations and tools, with the keyword
// that means the same here. The table's own spellings (its textbook words
// and LaTeX commands) are found in the table itself.
constexpr std::array<std::pair<std::string_view, std::string_view>, 34> borrowedWords = {{
    {"selection", "select"},      {"restrict", "select"},       {"where", "select"},
    {"filter", "select"},         {"projection", "project"},    {"renaming", "rename"},
    {"crossproduct", "product"},  {"cross_product", "product"}, {"cartesian", "product"},
    {"cartesianproduct", "product"}, {"times", "product"},      {"difference", "minus"},
    {"diff", "minus"},            {"except", "minus"},          {"setminus", "minus"},
    {"subtract", "minus"},        {"intersection", "intersect"}, {"natjoin", "join"},
    {"naturaljoin", "join"},      {"natural_join", "join"},     {"njoin", "join"},
    {"innerjoin", "join"},        {"inner_join", "join"},       {"thetajoin", "join"},
    {"theta_join", "join"},       {"equijoin", "join"},         {"semi_join", "semijoin"},
    {"leftsemijoin", "semijoin"}, {"anti_join", "antijoin"},    {"antisemijoin", "antijoin"},
    {"division", "divide"},       {"div", "divide"},            {"unite", "union"},
    {"unionall", "union"},
}};

// Whether a spelling list of the table ("minus -", "\\bowtie \\Join") holds `word`, a LaTeX command without its "\".
bool spells(std::string_view list, std::string_view word) {
  bool found = false;
  forEachSpelling(list, [&](std::string_view spelling) {
    if (spelling.starts_with('\\')) spelling.remove_prefix(1);
    found = found || lowered(spelling) == word;
  });
  return found;
}

// The other rename forms are spelt as rename: a slip is offered that one.
bool isSuggested(const OperatorEntry& entry) {
  return !entry.keyword.starts_with("rename") || entry.keyword == "rename";
}

bool isWord(std::string_view text) {
  if (text.empty()) return false;
  for (const char character : text) {
    if (!std::isalpha(static_cast<unsigned char>(character)) && character != '_') return false;
  }
  return true;
}

KeywordSuggestion suggestionOf(std::string_view keyword) {
  const OperatorEntry* entry = findOperatorKeyword(keyword, true);
  return entry ? KeywordSuggestion{entry->keyword, entry->needsExtended} : KeywordSuggestion{};
}

}  // namespace

KeywordSuggestion suggestKeyword(std::string_view word) {
  if (!isWord(word)) return {};
  const std::string lower = lowered(word);
  for (const auto& [borrowed, keyword] : borrowedWords) {
    if (lower == borrowed) return suggestionOf(keyword);
  }
  for (const OperatorEntry& entry : operatorEntries()) {
    if (!isSuggested(entry)) continue;
    if (spells(entry.words, lower) || spells(entry.latex, lower)) return {entry.keyword, entry.needsExtended};
  }
  // One edit from a keyword, in a word long enough that one edit is a slip, not another word.
  if (lower.size() < 5) return {};
  EditBudget budget(1'000'000);
  for (const OperatorEntry& entry : operatorEntries()) {
    if (!isSuggested(entry)) continue;
    if (editDistanceBelow(entry.keyword, lower, 2, budget) < 2) return {entry.keyword, entry.needsExtended};
  }
  return {};
}

}  // namespace qerix
