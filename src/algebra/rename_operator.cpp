#include "algebra/rename_operator.h"

#include <ostream>

#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "text/text_helpers.h"

namespace qerix {

void RenameOperator::setRenameList(std::string_view text) {
  const std::string_view wholeText = text;
  // Once a text holds no "(", no rest of it does: stop looking, so that a long
  // list of names is read in linear time.
  bool mayHoldParenthesis = true;
  while (true) {
    trim(text);
    if (text.empty()) fatal(textOf(Text::renameEmptyNameMessage), wholeText);
    const KeywordForm form = mayHoldParenthesis ? splitKeywordForm(text) : KeywordForm{text, {}, false};
    mayHoldParenthesis = form.hasParenthesis;
    if (form.hasParenthesis) {
      // Blanks before the "(" stay in the name.
      newName = form.head;
      text = form.inner;
      continue;
    }
    const std::size_t comma = text.find(',');
    newAttributeNames.emplace_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return;
    text = text.substr(comma + 1);
  }
}

void RenameOperator::print(std::ostream& out) const {
  out << "Rename: " << newName << '(';
  for (std::size_t index = 0; index < newAttributeNames.size(); ++index) {
    if (index > 0) out << ',';
    out << newAttributeNames[index];
  }
  out << ")\n";
}

void RenameOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  result = takeOperand(left);
  if (!result) return;
  result->setName(newName);
  result->setOrigin(newName);
  int position = 1;
  for (const std::string& name : newAttributeNames) result->setAttributeName(position++, name);
}

}  // namespace qerix
