#include "algebra/named_rename_operators.h"

#include <ostream>

#include "model/edit_distance.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/name_check.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

constexpr std::string_view arrow = "<-";

}  // namespace

void RelationRenameOperator::setNewName(std::string_view text) {
  const std::string_view wholeText = text;
  trim(text);
  if (text.empty()) fatal(textOf(Text::renameEmptyRelationNameMessage), wholeText);
  newName = text;
}

void RelationRenameOperator::print(std::ostream& out) const { out << "Rename: " << newName << '\n'; }

void RelationRenameOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  result = takeOperand(left);
  if (!result) return;
  result->setName(newName);
  result->setOrigin(newName);
}

void AttributeRenameOperator::setRenamePairs(std::string_view text) {
  while (true) {
    const std::size_t comma = text.find(',');
    std::string_view pair = text.substr(0, comma);
    trim(pair);
    const std::size_t split = pair.find(arrow);
    std::string_view newName = pair.substr(0, split);
    std::string_view oldName = split == std::string_view::npos ? std::string_view() : pair.substr(split + arrow.size());
    trim(newName);
    trim(oldName);
    if (newName.empty() || oldName.empty()) fatal(textOf(Text::renameMalformedPairMessage), pair);
    pairs.emplace_back(newName, oldName);
    if (comma == std::string_view::npos) return;
    text.remove_prefix(comma + 1);
  }
}

void AttributeRenameOperator::print(std::ostream& out) const {
  out << "Rename: ";
  for (std::size_t index = 0; index < pairs.size(); ++index) {
    if (index > 0) out << ',';
    out << pairs[index].first << arrow << pairs[index].second;
  }
  out << '\n';
}

int AttributeRenameOperator::positionOf(const AttributeList& attributes, std::size_t index) const {
  const std::string& oldName = pairs[index].second;
  // Old names are plain names: a rename list cannot hold a qualified one.
  if (index < oldNamePlaces.size()) {
    return findOnlyAttribute(attributes, oldName, NameLookup::plain, oldNamePlaces[index],
                             {textOf(Text::renameUnknownOldNameAtMessage), textOf(Text::renameSharedOldNameMessage)});
  }
  const int position = attributes.getAttributeIndex(oldName);
  if (position == 0) {
    fatal(std::string(textOf(Text::renameUnknownOldNameMessage)) + quotedText(oldName) +
          didYouMean(oldName, attributes.getAttributeNames()));
  }
  return position;
}

void AttributeRenameOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  result = takeOperand(left);
  if (!result) return;
  // Every old name is looked up before any is changed.
  std::vector<int> positions;
  for (std::size_t index = 0; index < pairs.size(); ++index) {
    positions.push_back(positionOf(result->getAttributes(), index));
  }
  for (std::size_t index = 0; index < pairs.size(); ++index) {
    result->setAttributeName(positions[index], pairs[index].first);
  }
}

}  // namespace qerix
