#include "inspect/text_warnings.h"

#include <algorithm>
#include <array>

#include "inspect/keyword_suggestions.h"
#include "inspect/warning_text.h"
#include "model/edit_distance.h"
#include "model/fatal_error.h"
#include "model/letter_case.h"
#include "model/message_catalogue.h"
#include "query/language_table.h"
#include "query/program_text.h"
#include "query/textbook_parser.h"
#include "text/nesting_limit.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

// The language's keywords, from its table: the basic ones, those only -x
// knows, and the condition keywords.
bool isBasicKeyword(std::string_view word) {
  const OperatorEntry* entry = findOperatorKeyword(word, true);
  return entry && !entry->needsExtended;
}

bool isExtendedKeyword(std::string_view word) {
  const OperatorEntry* entry = findOperatorKeyword(word, true);
  return entry && entry->needsExtended;
}

bool isOperatorKeyword(std::string_view word) { return findOperatorKeyword(word, true) != nullptr; }

bool isConditionKeyword(std::string_view word) { return findConditionKeyword(word) != nullptr; }

// A line as other tools begin their comments: no query starts so.
bool looksLikeComment(std::string_view line) {
  for (const std::string_view start : {"--", "//", "/*", "#", "%", ";"}) {
    if (line.starts_with(start)) return true;
  }
  return false;
}

}  // namespace

TextWarnings::TextWarnings(const RelationList& loaded, QueryLanguage queryLanguage, EditBudget& editBudget,
                           std::vector<std::string>& warnings)
    : relations(loaded), language(queryLanguage), budget(editBudget), out(warnings) {
  for (const auto& relation : relations) {
    loadedNames.insert(relation->getName());
    relationNames.push_back(relation->getName());
    loweredNames.emplace(lowered(relation->getName()), relation->getName());  // the first of equals stays
  }
}

void TextWarnings::checkQuery(std::string_view query) {
  trim(query);
  if (query.empty()) return;
  // Each form's arguments and ")" are found at its depth: the query is read
  // once, however deeply it nests.
  commas.emplace(query, ',');
  closings.emplace(query, ')');
  checkExpression(query, 1);
}

bool TextWarnings::checkCommentLine(std::string_view query) {
  trim(query);
  if (!looksLikeComment(query)) return false;
  out.push_back(warningText(Text::commentLineWarning, {quotedText(query)}));
  return true;
}

std::size_t TextWarnings::topLevelComma(std::string_view part) const { return findTopLevelComma(*commas, part); }

std::string_view TextWarnings::firstArgument(std::string_view part) const {
  return part.substr(0, topLevelComma(part));
}

void TextWarnings::checkProgram(std::string_view program) {
  const std::unordered_set<std::string_view> loaded = loadedNames;
  std::unordered_set<std::string_view> named;
  for (const ProgramStatement& statement : splitProgram(program)) {
    if (isTextbookQuery(statement.expression)) {
      // The texts of the nodes are those of the prefix expression it stands for.
      std::string translated;
      if (!failureOf([&] { translated = translateTextbook(statement.expression); }, "")) checkQuery(translated);
    } else {
      checkQuery(statement.expression);
    }
    if (statement.name.empty()) continue;
    if (loaded.contains(statement.name) && !named.contains(statement.name)) {
      out.push_back(warningText(Text::resultHidesRelation, {quotedText(statement.name)}));
    }
    // Views into the program, which outlives this object's use.
    named.insert(statement.name);
    loadedNames.insert(statement.name);
  }
}

void TextWarnings::checkEnding(std::string_view form) {
  const std::size_t open = form.find('(');
  const std::size_t close = findClosingParenthesis(*closings, form, open);
  if (close == std::string_view::npos) {
    if (form.back() != ')') {
      out.push_back(
          warningText(Text::lastCharacterDropped, {quotedText(form), quotedText(form.substr(form.size() - 1))}));
    }
  } else if (close + 1 < form.size()) {
    out.push_back(warningText(Text::textAfterClosing, {quotedText(form), quotedText(form.substr(close + 1))}));
  }
}

void TextWarnings::checkExpression(std::string_view text, int depth) {
  trim(text);
  if (text.empty()) return;
  const KeywordForm form = splitKeywordForm(text);
  const bool textbook = isExtendedKeyword(form.head);
  const bool keyword = isBasicKeyword(form.head) || (textbook && language == QueryLanguage::extended);
  if (!keyword || !form.hasParenthesis) {
    std::string_view head = form.head;
    trim(head);
    if (form.hasParenthesis && textbook) {
      out.push_back(warningText(Text::operatorOnlyWithX, {quotedText(form.head), quotedText(text)}));
    } else if (form.hasParenthesis && head != form.head && isOperatorKeyword(head)) {
      out.push_back(warningText(Text::blankBeforeOperatorParenthesis, {quotedText(head), quotedText(text)}));
    } else if (form.hasParenthesis && isOperatorKeyword(lowered(head))) {
      out.push_back(
          warningText(Text::operatorInLowerCase, {quotedText(head), quotedText(lowered(head)), quotedText(text)}));
    } else if (const KeywordSuggestion suggestion = form.hasParenthesis && !keyword ? suggestKeyword(head)
                                                                                     : KeywordSuggestion{};
               !suggestion.keyword.empty()) {
      const bool needsOption = suggestion.needsExtended && language != QueryLanguage::extended;
      const std::string meant =
          quotedText(suggestion.keyword) + std::string(needsOption ? textOf(Text::withExtendedOption) : "");
      out.push_back(warningText(Text::borrowedKeywordWarning, {quotedText(head), quotedText(text)}) +
                    textOf(Text::didYouMean, {meant}));
    } else if (!keyword) {
      if (!loadedNames.contains(text)) {
        const std::string closest = closestRelation(text);
        out.push_back(warningText(Text::noSuchRelation, {quotedText(text)}) +
                      (closest.empty() ? "." : didYouMeanName(closest)));
      }
    }
    return;
  }
  // The parser refuses deeper forms; walking them would only cost time and stack.
  if (depth > maxNestingDepth) return;
  checkEnding(text);
  const std::size_t comma = topLevelComma(form.inner);
  if (findOperatorKeyword(form.head, true)->form == OperatorForm::unary) {
    checkExpression(form.inner, depth + 1);
    return;
  }
  if (comma == std::string_view::npos) return;
  const std::string_view first = form.inner.substr(0, comma);
  const std::string_view rest = form.inner.substr(comma + 1);
  checkExpression(first, depth + 1);
  const OperatorForm operatorForm = findOperatorKeyword(form.head, true)->form;
  if (operatorForm == OperatorForm::withCondition) {
    if (topLevelComma(rest) != std::string_view::npos) {
      out.push_back(warningText(Text::selectTakesOneCondition,
                                {quotedText(rest.substr(topLevelComma(rest) + 1)), quotedText(text)}));
    }
    checkCondition(firstArgument(rest), 1);
  } else if (operatorForm == OperatorForm::withAttributeList) {
    if (rest.find('(') != std::string_view::npos) {
      out.push_back(warningText(Text::projectTakesNames, {quotedText(rest)}));
    }
  } else if (operatorForm == OperatorForm::withSortList || operatorForm == OperatorForm::withRenameList ||
             operatorForm == OperatorForm::withRelationName || operatorForm == OperatorForm::withRenamePairs ||
             operatorForm == OperatorForm::withGroupingList) {
    return;
  } else if (operatorForm == OperatorForm::binaryOrCondition) {
    const std::size_t second = topLevelComma(rest);
    checkExpression(rest.substr(0, second), depth + 1);
    if (second != std::string_view::npos) checkCondition(rest.substr(second + 1), 1);
  } else {
    checkExpression(rest, depth + 1);
  }
}

void TextWarnings::checkCondition(std::string_view text, int depth) {
  trim(text);
  if (text.empty()) return;
  const KeywordForm form = splitKeywordForm(text);
  if (!isConditionKeyword(form.head) || !form.hasParenthesis) {
    checkOperand(text);
    return;
  }
  if (depth > maxNestingDepth) return;
  checkEnding(text);
  const std::size_t comma = topLevelComma(form.inner);
  const ConditionForm conditionForm = findConditionKeyword(form.head)->form;
  const bool logical = conditionForm != ConditionForm::comparison;
  if (comma == std::string_view::npos) {
    if (logical) checkCondition(form.inner, depth + 1);
    return;
  }
  const std::string_view first = form.inner.substr(0, comma);
  const std::string_view second = form.inner.substr(comma + 1);
  const std::size_t extra = topLevelComma(second);
  if (conditionForm == ConditionForm::negation) {
    out.push_back(warningText(Text::notUsesOneCondition, {quotedText(second), quotedText(text)}));
  } else if (extra != std::string_view::npos) {
    out.push_back(warningText(Text::usesTwoArguments, {quotedText(text), quotedText(second)}));
  }
  if (logical) {
    checkCondition(first, depth + 1);
    if (conditionForm != ConditionForm::negation) checkCondition(firstArgument(second), depth + 1);
  } else {
    checkOperand(first);
    checkOperand(firstArgument(second));
  }
}

void TextWarnings::checkOperand(std::string_view operand) {
  trim(operand);
  if (operand.empty()) return;
  const bool quoted =
      operand.front() == '\'' || operand.front() == '"' || operand.back() == '\'' || operand.back() == '"';
  if (quoted) {
    out.push_back(warningText(Text::quotesArePartOfValue, {quotedText(operand)}));
    return;
  }
  const std::size_t open = operand.find('(');
  if (open == std::string_view::npos) return;
  std::string_view head = operand.substr(0, open);
  trim(head);
  if (head != operand.substr(0, open) && isConditionKeyword(head)) {
    out.push_back(warningText(Text::blankBeforeConditionParenthesis, {quotedText(head), quotedText(operand)}));
  } else if (head != raised(head) && isConditionKeyword(raised(head))) {
    out.push_back(
        warningText(Text::conditionInUpperCase, {quotedText(head), quotedText(raised(head)), quotedText(operand)}));
  }
}

std::string TextWarnings::closestRelation(std::string_view name) {
  const auto known = suggestions.find(std::string(name));
  if (known != suggestions.end()) return known->second;
  std::string found;
  const auto sameLetters = loweredNames.find(lowered(name));
  if (sameLetters != loweredNames.end()) {
    found = sameLetters->second;
  } else {
    found = closestName(name, relationNames, budget);
  }
  suggestions.emplace(name, found);
  return found;
}

}  // namespace qerix
