#ifndef QERIX_CONDITIONS_COMPARISON_OPERATOR_H
#define QERIX_CONDITIONS_COMPARISON_OPERATOR_H

#include <compare>
#include <string>
#include <string_view>

#include "conditions/logical_operator.h"
#include "model/attribute_list.h"

namespace qerix {

// How an operand's text is read when the condition is bound.
enum class OperandKind {
  nameOrLiteral,  // the prefix notation: the attribute of that name if there is one, else a literal
  literal,        // a quoted text or a number of the textbook notation
  attribute,      // a word of the textbook notation: it must name exactly one attribute
};

// An operand's kind, and where it stood in a textbook query ("1. sor 5.
// oszlop") for the messages about it.
struct OperandSource {
  OperandKind kind = OperandKind::nameOrLiteral;
  std::string place;
};

// A comparison of two operands for one record. An operand that names an
// attribute of the record's relation (exactly, the first of that name; with
// -x, else the first that "R.a" names) stands for the record's value; any
// other text is a literal. An "int" attribute on either side makes the
// comparison numeric, a decimal one (with -x) compares by value and its literal
// must be a decimal number. A null on either side makes the comparison unknown.
// Two literals leave the value as it was, which is false
// for the whole run. The textbook notation says which operand is which
// (setOperandSources).
class ComparisonOperator : public LogicalOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& record) override;
  // Ends the run when both operands are attributes of different types, or
  // as checkNames does.
  void bind(const AttributeList& attributes) override;
  // Ends the run when an operand that must be an attribute names none, or
  // names several.
  void checkNames(const AttributeList& attributes) const override;

  void setOperandSources(OperandSource first, OperandSource second);
  OperandKind getOperandKind1() const { return source1.kind; }
  OperandKind getOperandKind2() const { return source2.kind; }
  void acceptQualifiedNames() override { lookup = NameLookup::qualified; }

  ConditionKind getKind() const override { return ConditionKind::comparison; }
  virtual std::string_view getName() const = 0;

  int getPosition1() const { return position1; }  // 0: a literal
  int getPosition2() const { return position2; }
  bool isNumeric() const { return kind == ValueKind::number; }
  ValueKind getValueKind() const { return kind; }
  // Whether a record whose operands compare in this order satisfies the comparison.
  virtual bool holds(std::weak_ordering order) const = 0;

 private:
  int positionOf(const std::string& operand, const OperandSource& source, const AttributeList& attributes) const;

  OperandSource source1;
  OperandSource source2;
  NameLookup lookup = NameLookup::plain;
  int position1 = 0;
  int position2 = 0;
  ValueKind kind = ValueKind::text;
};

// Ends the run: two attributes of different types were to be compared.
[[noreturn]] void failTypeMismatch();

}  // namespace qerix

#endif  // QERIX_CONDITIONS_COMPARISON_OPERATOR_H
