#include "conditions/comparison_operator.h"

#include <vector>

#include "model/attribute_list.h"
#include "model/edit_distance.h"
#include "model/fatal_error.h"
#include "model/record.h"
#include "model/record_order.h"

namespace qerix {

namespace {
constexpr std::string_view typeMismatchMessage = "Nem azonos a ket attributum tipusa!";
constexpr std::string_view unknownAttributeMessage = "Hibas feltetel, nincs ilyen attributum (";
constexpr std::string_view sharedAttributeMessage = "Hibas feltetel, tobb attributum neve is ez (";

// The closest plain name or, where qualified names are read, qualified one.
[[noreturn]] void failUnknownAttribute(std::string_view name, std::string_view place, const AttributeList& attributes,
                                       NameLookup lookup) {
  std::vector<std::string_view> candidates = attributes.getAttributeNames();
  const std::vector<std::string> qualified =
      lookup == NameLookup::qualified ? attributes.getQualifiedNames() : std::vector<std::string>();
  candidates.insert(candidates.end(), qualified.begin(), qualified.end());
  fatal(std::string(unknownAttributeMessage) + std::string(place) + "): " + quotedText(name) +
        didYouMean(name, candidates));
}

// A name several attributes bear, and the qualified names that tell them apart.
[[noreturn]] void failSharedName(std::string_view name, std::string_view place, const AttributeList& attributes,
                                 NameLookup lookup) {
  const std::vector<std::string> meant =
      lookup == NameLookup::qualified ? attributes.qualifiedNamesTellingApart(name) : std::vector<std::string>();
  fatal(std::string(sharedAttributeMessage) + std::string(place) + "): " + quotedText(name) + didYouMeanOneOf(meant));
}

}  // namespace

void failTypeMismatch() { fatal(typeMismatchMessage); }

void ComparisonOperator::print(std::ostream& out) const { printNamed(out, getName()); }

void ComparisonOperator::setOperandSources(OperandSource first, OperandSource second) {
  source1 = std::move(first);
  source2 = std::move(second);
}

int ComparisonOperator::positionOf(const std::string& operand, const OperandSource& source,
                                   const AttributeList& attributes) const {
  switch (source.kind) {
    case OperandKind::literal:
      return 0;
    case OperandKind::attribute: {
      const int position = attributes.findAttribute(operand, lookup);
      if (position == 0) failUnknownAttribute(operand, source.place, attributes, lookup);
      if (attributes.countAttributesFound(operand, lookup) > 1) {
        failSharedName(operand, source.place, attributes, lookup);
      }
      return position;
    }
    case OperandKind::nameOrLiteral:
      break;
  }
  return attributes.findAttribute(operand, lookup);
}

void ComparisonOperator::checkNames(const AttributeList& attributes) const {
  positionOf(operand1, source1, attributes);
  positionOf(operand2, source2, attributes);
}

void ComparisonOperator::bind(const AttributeList& attributes) {
  position1 = positionOf(operand1, source1, attributes);
  position2 = positionOf(operand2, source2, attributes);
  if (position1 > 0 && position2 > 0 &&
      attributes.getAttributeType(position1) != attributes.getAttributeType(position2)) {
    failTypeMismatch();
  }
  numeric = attributes.isNumeric(position1 > 0 ? position1 : position2);
}

void ComparisonOperator::evaluate(const LogicalOperator* /*left*/, const LogicalOperator* /*right*/,
                                  const Record& record) {
  if (position1 == 0 && position2 == 0) return;
  const std::string_view leftValue = position1 > 0 ? record.getValue(position1) : std::string_view(operand1);
  const std::string_view rightValue = position2 > 0 ? record.getValue(position2) : std::string_view(operand2);
  result = holds(compareValue(leftValue, rightValue, numeric));
}

}  // namespace qerix
