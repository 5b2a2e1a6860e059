#include "inspect/shape_warnings.h"

#include <algorithm>

#include "algebra/rename_operator.h"
#include "algebra/shared_attributes.h"
#include "inspect/attribute_texts.h"
#include "inspect/warning_text.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"

namespace qerix {

namespace {

bool isSetOperation(std::string_view keyword) {
  return keyword == "union" || keyword == "minus" || keyword == "intersect";
}

// A join without a condition matches on the shared names.
bool matchesByName(AlgebraOperator& node) {
  const std::string_view keyword = node.getKeyword();
  return (keyword == "join" || keyword == "semijoin" || keyword == "antijoin") && !node.getCondition();
}

// The names both operands have, in the second's order, or none when a name repeats (the join refuses that).
std::vector<std::string_view> sharedNames(const Relation& left, const Relation& right) {
  std::vector<std::string_view> names;
  SharedAttributes shared;
  if (failureOf([&] { shared = SharedAttributes::of(left.getAttributes(), right.getAttributes()); }, "")) {
    return names;
  }
  for (const int position : shared.secondPositions) names.push_back(right.getAttributes().getAttributeName(position));
  return names;
}

}  // namespace

void checkShape(AlgebraOperator& node, const Relation* left, const Relation* right, std::string_view formText,
                std::vector<std::string>& out) {
  const std::string_view keyword = node.getKeyword();
  const std::string form = quotedText(formText.empty() ? keyword : formText);
  if (matchesByName(node) && left && right) {
    const std::vector<std::string_view> shared = sharedNames(*left, *right);
    // Matching on all of one side's attributes is what a join with a part of the same data means.
    const bool wholeSide = static_cast<int>(shared.size()) == left->getAttributeCount() ||
                           static_cast<int>(shared.size()) == right->getAttributeCount();
    if (shared.size() >= 2 && !wholeSide) {
      out.push_back(warningText(Text::naturalJoinWarning, {form, std::to_string(shared.size()), listText(shared)}));
    }
  } else if (isSetOperation(keyword) && left && right) {
    const AttributeList& first = left->getAttributes();
    const AttributeList& second = right->getAttributes();
    if (first.getAttributeCount() > second.getAttributeCount()) {
      out.push_back(warningText(keyword == "union" ? Text::unionPadsWarning : Text::setComparesPartlyWarning,
                                {form, headerText(first), headerText(second)}));
      return;
    }
    for (int position = 1; position <= std::min(first.getAttributeCount(), second.getAttributeCount()); ++position) {
      if (first.getAttributeType(position) == second.getAttributeType(position)) continue;
      const std::string firstText =
          std::string(first.getAttributeName(position)) + " " + std::string(first.getAttributeType(position));
      const std::string secondText =
          std::string(second.getAttributeName(position)) + " " + std::string(second.getAttributeType(position));
      out.push_back(warningText(Text::setMixesTypesWarning,
                                {form, std::to_string(position), quotedText(firstText), quotedText(secondText)}));
      return;
    }
  } else if (keyword == "divide" && left && right) {
    std::vector<std::string_view> quotient;
    for (const std::string_view name : left->getAttributes().getAttributeNames()) {
      if (right->getAttributes().getAttributeIndex(name) == 0) quotient.push_back(name);
    }
    if (quotient.size() >= 2) {
      out.push_back(warningText(Text::divideLeavesWarning, {form, listText(quotient)}));
    }
  } else if (const auto* rename = dynamic_cast<const RenameOperator*>(&node); rename && left) {
    const AttributeList& attributes = left->getAttributes();
    if (rename->getNewName().empty() && rename->getNewAttributeNames().size() == 1 && attributes.getAttributeCount() > 1) {
      const std::string& newName = rename->getNewAttributeNames().front();
      out.push_back(warningText(Text::renameOneAttributeWarning,
                                {form, quotedText(attributes.getAttributeName(1)), quotedText(newName), newName,
                                 listText(attributes.getAttributeNames())}));
    }
  }
}

std::string joinNote(AlgebraOperator& node, const Relation* left, const Relation* right) {
  if (!matchesByName(node) || !left || !right) return "";
  const std::vector<std::string_view> shared = sharedNames(*left, *right);
  return shared.empty() ? std::string(textOf(Text::noSharedAttribute)) : listText(shared);
}

}  // namespace qerix
