#include "algebra/project_operator.h"

#include <ostream>
#include <set>

#include "exec/sort/distinct_projections.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/name_check.h"
#include "text/text_helpers.h"

namespace qerix {

void ProjectOperator::setAttributeNames(std::string_view text) {
  const std::string_view wholeText = text;
  while (!text.empty()) {
    trim(text);
    if (text.empty()) fatal(textOf(Text::projectBlankNameMessage), wholeText);
    const std::size_t comma = text.find(',');
    attributeNames.emplace_back(text.substr(0, comma));
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
}

void printProject(std::ostream& out, const std::vector<std::string>& attributeNames) {
  out << "Project: ";
  for (std::size_t index = 0; index < attributeNames.size(); ++index) {
    if (index > 0) out << ", ";
    out << attributeNames[index];
  }
  out << '\n';
}

void ProjectOperator::print(std::ostream& out) const { printProject(out, attributeNames); }

void checkProjectNames(const AttributeList& input, const std::vector<std::string>& names, NameLookup lookup,
                       const std::vector<std::string>& places) {
  for (std::size_t index = 0; index < names.size() && index < places.size(); ++index) {
    findOnlyAttribute(input, names[index], lookup, places[index],
                      {textOf(Text::projectUnknownNameMessage), textOf(Text::projectSharedNameMessage)});
  }
}

bool passesProjectNames(const AttributeList& input, const std::vector<std::string>& names, NameLookup lookup,
                        const std::vector<std::string>& places) {
  for (std::size_t index = 0; index < names.size() && index < places.size(); ++index) {
    if (input.countAttributesFound(names[index], lookup) != 1) return false;
  }
  return true;
}

ProjectOperator::Projection ProjectOperator::projectionOf(const AttributeList& input,
                                                          const std::vector<std::string>& names, NameLookup lookup) {
  std::set<int> positions;
  for (const std::string& name : names) positions.insert(input.findAttribute(name, lookup));
  Projection projection{std::vector<int>(positions.begin(), positions.end()), {}};
  for (const int position : projection.positions) {
    projection.attributes.addAttributeFrom(input, position);
  }
  return projection;
}

void ProjectOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  const std::unique_ptr<Relation> input = takeOperand(left);
  if (!input) return;
  checkProjectNames(input->getAttributes(), attributeNames, lookup, namePlaces);
  Projection projection = projectionOf(input->getAttributes(), attributeNames, lookup);
  result = std::make_unique<Relation>(projection.attributes);
  if (input->isEmpty()) return;
  // Copying the first record reads field 0.
  if (projection.lacksAName()) failGetValue();
  DistinctProjections projections(result->getAttributes(), std::move(projection.positions));
  for (RecordScanner scanner(*input); scanner.next();) projections.add(scanner.getCurrent().getValues());
  projections.moveTo(*result);
}

}  // namespace qerix
