#include "algebra/project_operator.h"

#include <ostream>
#include <set>

#include "model/fatal_error.h"
#include "model/record_index.h"
#include "model/record_values.h"
#include "model/text_arena.h"
#include "query/text_helpers.h"

namespace qerix {

namespace {
constexpr std::string_view blankNameMessage = "Hibas projekcio, ures attributumnev: ";
}  // namespace

void ProjectOperator::setAttributeNames(std::string_view text) {
  const std::string_view wholeText = text;
  while (!text.empty()) {
    trim(text);
    if (text.empty()) fatal(blankNameMessage, wholeText);
    const std::size_t comma = text.find(',');
    attributeNames.emplace_back(text.substr(0, comma));
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
}

void ProjectOperator::print(std::ostream& out) const {
  out << "Project: ";
  for (std::size_t index = 0; index < attributeNames.size(); ++index) {
    if (index > 0) out << ", ";
    out << attributeNames[index];
  }
  out << '\n';
}

void ProjectOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  const auto input = takeOperand(left);
  if (!input) return;
  std::set<int> positions;
  for (const std::string& name : attributeNames) positions.insert(input->getAttributeIndex(name));
  AttributeList attributes;
  for (const int position : positions) {
    attributes.addAttribute(input->getAttributeType(position), input->getAttributeName(position));
  }
  result = std::make_unique<Relation>(attributes);
  if (input->isEmpty()) return;
  if (positions.count(0) > 0) failGetValue();  // copying the first record reads field 0

  // Of each set of equal projected records only the last one copied stays;
  // what stays is distinct, so sorting leaves no equal neighbours to remove.
  const int fieldCount = result->getAttributeCount();
  // The projected texts go straight into an arena that the result keeps.
  const auto projectedText = std::make_shared<TextArena>();
  RecordIndex distinct(result->getAttributes(), fieldCount, 1024);
  std::vector<std::string_view> lastOfEach;
  std::vector<std::string_view> values;
  std::string projected;
  for (RecordScanner scanner(*input); scanner.next();) {
    splitValues(scanner.getCurrent().getValues(), input->getAttributeCount(), values);
    projected.clear();
    for (const int position : positions) {
      if (position != *positions.begin()) projected += ',';
      projected += values[indexOf(position)];
    }
    const std::size_t hash = distinct.hashOf(projected);
    if (const auto found = distinct.find(projected, hash)) {
      if (lastOfEach[*found] != projected) lastOfEach[*found] = projectedText->store(projected);
    } else {
      const std::string_view stored = projectedText->store(projected);
      distinct.add(stored, hash);
      lastOfEach.push_back(stored);
    }
  }
  result->keepTextAlive(projectedText);
  for (const std::string_view record : lastOfEach) result->appendRecordText(record);
  result->sortRecords();
}

}  // namespace qerix
