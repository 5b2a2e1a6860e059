#include "inspect/data_warnings.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>

#include "algebra/table_operator.h"
#include "conditions/comparison_operator.h"
#include "inspect/attribute_texts.h"
#include "inspect/warning_text.h"
#include "model/edit_distance.h"
#include "model/fatal_error.h"
#include "model/letter_case.h"
#include "model/message_catalogue.h"
#include "model/record_values.h"
#include "query/language_table.h"

namespace qerix {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::array numberTypes = {
    std::string_view("int"),      std::string_view("integer"), std::string_view("number"),  std::string_view("numeric"),
    std::string_view("smallint"), std::string_view("bigint"),  std::string_view("decimal"), std::string_view("float"),
    std::string_view("double"),   std::string_view("real")};

// "Big Int" reads as "bigint": a type or a name compared without blanks or case.
std::string loweredWithoutBlanks(std::string_view text) {
  std::string result = lowered(text);
  std::erase(result, ' ');
  return result;
}

// Whether a text reads as a whole number: blanks, a sign, digits, nothing else.
bool isNumberText(std::string_view text) {
  std::size_t position = text.find_first_not_of(' ');
  if (position == std::string_view::npos) return false;
  if (text[position] == '+' || text[position] == '-') ++position;
  const std::size_t digits = position;
  while (position < text.size() && text[position] >= '0' && text[position] <= '9') ++position;
  return position > digits && position == text.size();
}

// The table references below a node, as the relations they name.
void collectTables(const TreeNode<AlgebraOperator>& node, const RelationList& relations,
                   std::vector<const Relation*>& tables) {
  const auto* table = dynamic_cast<const TableOperator*>(node.payload.get());
  // A named result of a program is no loaded relation, whatever its name.
  if (table && !table->isNamedResult()) {
    for (auto loaded = relations.rbegin(); loaded != relations.rend(); ++loaded) {
      if ((*loaded)->getName() == table->getName()) {
        tables.push_back(loaded->get());
        break;
      }
    }
  }
  if (node.left) collectTables(*node.left, relations, tables);
  if (node.right) collectTables(*node.right, relations, tables);
}

}  // namespace

DataWarnings::DataWarnings(std::string_view queryText, const RelationList& loaded, EditBudget& editBudget,
                           std::vector<std::string>& warnings)
    : query(queryText), relations(loaded), budget(editBudget), out(warnings) {}

void DataWarnings::checkFile() {
  if (query.starts_with(byteOrderMark)) {
    out.push_back(warningText(Text::byteOrderMark));
  }
  for (const auto& relation : relations) {
    if (findOperatorKeyword(relation->getName(), true)) {
      // "project(Emp,name)" read as a header: a second query, as if the file could hold several.
      out.push_back(warningText(Text::secondQueryWarning, {quotedText(relation->getName())}));
      continue;
    }
    std::vector<std::string_view> untyped;
    for (int position = 1; position <= relation->getAttributeCount(); ++position) {
      if (relation->getAttributeType(position) == relation->getAttributeName(position)) {
        untyped.push_back(relation->getAttributeName(position));
      }
    }
    if (!untyped.empty()) {
      out.push_back(warningText(Text::headerWithoutTypesWarning, {quotedText(relation->getName()), listText(untyped)}));
    }
    for (int position = 1; position <= relation->getAttributeCount(); ++position) {
      const std::string_view type = relation->getAttributeType(position);
      // With -x a decimal compares by value.
      if (type == "int" || relation->getAttributes().isDecimal(position) || std::find(numberTypes.begin(), numberTypes.end(), loweredWithoutBlanks(type)) == numberTypes.end()) {
        continue;
      }
      out.push_back(warningText(
          Text::numberTypeNotInt,
          {quotedText(relation->getName()), quotedText(relation->getAttributeName(position)), quotedText(type)}));
    }
    for (RecordScanner scanner(*relation); scanner.next();) {
      std::string_view line = scanner.getCurrent().getValues();
      while (line.ends_with(',')) line.remove_suffix(1);  // the empty values a short line was given
      const std::size_t open = line.find('(');
      if (open == 0 || open == std::string_view::npos || !line.ends_with(')') ||
          line.substr(0, open).find(',') != std::string_view::npos) {
        continue;
      }
      out.push_back(warningText(Text::headerReadAsRecord, {quotedText(line), quotedText(relation->getName())}));
    }
  }
}

void DataWarnings::checkNode(const TreeNode<AlgebraOperator>& node, const Relation* left, const Relation* right) {
  ConditionTree* condition = node.payload->getCondition();
  if (!condition || !left || (node.right && !right)) return;
  AttributeList attributes = left->getAttributes();
  if (right) attributes.addAttributes(right->getAttributes());
  std::vector<const Relation*> tables;
  collectTables(node, relations, tables);
  checkCondition(*condition, attributes, tables);
}

void DataWarnings::checkCondition(ConditionTree& condition, const AttributeList& attributes,
                                  const std::vector<const Relation*>& tables) {
  if (!tryBindCondition(condition, attributes)) return;
  std::set<std::string> blankValuesShown;
  auto visit = [&](auto& self, const TreeNode<LogicalOperator>& node) -> void {
    if (node.payload->getKind() == ConditionKind::comparison) {
      const auto& comparison = static_cast<const ComparisonOperator&>(*node.payload);
      const std::string& operand1 = comparison.getOperand1();
      const std::string& operand2 = comparison.getOperand2();
      const int position1 = comparison.getPosition1();
      const int position2 = comparison.getPosition2();
      const std::string compared = std::string(comparison.getName()) + "(" + operand1 + "," + operand2 + ")";
      // Texts already taken apart wrongly are for the text warnings.
      const bool misread = compared.find_first_of("()", compared.find('(') + 1) != compared.size() - 1 ||
                           std::count(compared.begin(), compared.end(), ',') > 1;
      if (misread) {
        if (node.left) self(self, *node.left);
        if (node.right) self(self, *node.right);
        return;
      }
      // A literal where an attribute was meant: on the left, or on either side of two literals.
      for (const auto& [operand, position, meantAsAttribute] :
           {std::tuple(operand1, position1, true), std::tuple(operand2, position2, position1 == 0)}) {
        if (position != 0 || !meantAsAttribute || operand.empty() || isNumberText(operand)) continue;
        std::string closest;
        // A blank or a letter's case counts as one edit here, weighed in order against the other slips.
        std::size_t best = slipBound(operand);
        const std::string lowerOperand = loweredWithoutBlanks(operand);
        for (int candidate = 1; candidate <= attributes.getAttributeCount() && budget.spend(1); ++candidate) {
          const std::string_view name = attributes.getAttributeName(candidate);
          const std::size_t distance =
              loweredWithoutBlanks(name) == lowerOperand ? 1 : editDistanceBelow(name, operand, best, budget);
          if (distance < best) {
            best = distance;
            closest = name;
          }
        }
        if (!closest.empty() && !budget.isSpent()) {
          out.push_back(warningText(Text::operandNotAttribute, {quotedText(operand)}) + didYouMeanName(closest));
        }
      }
      // An "int" attribute against a literal that is no number.
      if ((position1 > 0) != (position2 > 0)) {
        const int attribute = position1 > 0 ? position1 : position2;
        const std::string& literal = position1 > 0 ? operand2 : operand1;
        if (attributes.isNumeric(attribute) && !isNumberText(literal)) {
          out.push_back(warningText(Text::intAgainstText,
                                    {quotedText(compared), quotedText(attributes.getAttributeName(attribute)),
                                     quotedText(literal), std::to_string(toInt32(literal))}));
        }
        // Text values with a blank in front, as "a, b" writes them, against a literal without one.
        const std::string_view name = attributes.getAttributeName(attribute);
        for (const Relation* table : attributes.isNumeric(attribute) ? std::vector<const Relation*>() : tables) {
          const int field = table->getAttributeIndex(name);
          if (field == 0 || literal.starts_with(' ') ||
              blankValuesShown.count(table->getName() + "." + std::string(name))) {
            continue;
          }
          const std::optional<std::string>& value = firstValueWithBlank(*table, field);
          if (!value) continue;
          blankValuesShown.insert(table->getName() + "." + std::string(name));
          out.push_back(warningText(Text::valueWithLeadingBlank, {quotedText(table->getName()), quotedText(name),
                                                                  quotedText(*value), quotedText(compared)}));
        }
        // A literal that matches a value only in another case: "red" against "Red", where equality is asked.
        const std::string_view kind = comparison.getName();
        const bool equalityWithText = (kind == "EQ" || kind == "NEQ") && !isNumberText(literal);
        for (const Relation* table :
             attributes.isNumeric(attribute) || !equalityWithText ? std::vector<const Relation*>() : tables) {
          const int field = table->getAttributeIndex(name);
          if (field == 0) continue;
          const std::optional<std::string>& other = valueInOtherCase(*table, field, literal);
          if (!other) continue;
          out.push_back(warningText(Text::literalOtherCaseWarning,
                                    {quotedText(compared), quotedText(literal), quotedText(table->getName()),
                                     quotedText(name), quotedText(*other)}));
          break;
        }
      }
    }
    if (node.left) self(self, *node.left);
    if (node.right) self(self, *node.right);
  };
  visit(visit, condition.getRoot());
}

const std::optional<std::string>& DataWarnings::valueInOtherCase(const Relation& table, int field,
                                                                 const std::string& literal) {
  const auto [answer, unread] = otherCaseValues.try_emplace({&table, field, literal});
  if (unread) {
    const std::string wanted = lowered(literal);
    std::optional<std::string> sameLetters;
    for (RecordScanner scanner(table); scanner.next();) {
      const std::string_view value = valueAt(scanner.getCurrent().getValues(), field);
      if (value == literal) return answer->second;  // found as written: nothing to say
      if (!sameLetters && value.size() == literal.size() && lowered(value) == wanted) {
        sameLetters = std::string(value);
      }
    }
    answer->second = std::move(sameLetters);
  }
  return answer->second;
}

const std::optional<std::string>& DataWarnings::firstValueWithBlank(const Relation& table, int field) {
  const auto [column, unread] = blankValues.try_emplace({&table, field});
  if (unread) {
    for (RecordScanner scanner(table); scanner.next();) {
      const std::string_view value = valueAt(scanner.getCurrent().getValues(), field);
      if (value.starts_with(' ')) {
        column->second = std::string(value);
        break;
      }
    }
  }
  return column->second;
}

}  // namespace qerix
