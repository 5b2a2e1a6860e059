#include "inspect/form_texts.h"

#include "query/language_table.h"
#include "text/nesting_index.h"
#include "text/nesting_limit.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

// The parser's walk, keeping texts where it makes nodes; false where it would fail.
bool collectForms(std::string_view text, int depth, const NestingIndex& commas, QueryLanguage language,
                  std::vector<std::string_view>& forms) {
  trim(text);
  if (text.empty()) return false;
  forms.push_back(text);
  const KeywordForm form = splitKeywordForm(text);
  const OperatorEntry* keyword = findOperatorKeyword(form.head, language == QueryLanguage::extended);
  if (!keyword) return true;
  if (!form.hasParenthesis || depth > maxNestingDepth) return false;
  // distinct(E): its one operand is the whole argument, without a comma.
  if (keyword->form == OperatorForm::unary) return collectForms(form.inner, depth + 1, commas, language, forms);
  const std::size_t comma = findTopLevelComma(commas, form.inner);
  if (comma == std::string_view::npos) return false;
  const std::string_view first = form.inner.substr(0, comma);
  std::string_view second = form.inner.substr(comma + 1);
  if (!collectForms(first, depth + 1, commas, language, forms)) return false;
  if (keyword->form == OperatorForm::binaryOrCondition) {
    second = second.substr(0, findTopLevelComma(commas, second));
  } else if (keyword->form != OperatorForm::binary) {
    return true;  // the second argument is a parameter
  }
  return collectForms(second, depth + 1, commas, language, forms);
}

}  // namespace

std::vector<std::string_view> formTexts(std::string_view query, QueryLanguage language) {
  std::vector<std::string_view> forms;
  const NestingIndex commas(query, ',');
  if (!collectForms(query, 1, commas, language, forms)) forms.clear();
  return forms;
}

}  // namespace qerix
