#ifndef QERIX_CONDITIONS_COMPARISON_OPERATOR_H
#define QERIX_CONDITIONS_COMPARISON_OPERATOR_H

#include <compare>
#include <string_view>

#include "conditions/logical_operator.h"

namespace qerix {

// A comparison of two operands for one record. An operand that names an
// attribute of the record's relation (exactly, the first of that name) stands
// for the record's value; any other text is a literal. An "int" attribute on
// either side makes the comparison numeric. Two literals leave the value as it
// was, which is false for the whole run.
class ComparisonOperator : public LogicalOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& record) override;
  // Ends the run when both operands are attributes of different types.
  void bind(const AttributeList& attributes) override;

  ConditionKind getKind() const override { return ConditionKind::comparison; }
  virtual std::string_view getName() const = 0;

  int getPosition1() const { return position1; }  // 0: a literal
  int getPosition2() const { return position2; }
  bool isNumeric() const { return numeric; }
  // Whether a record whose operands compare in this order satisfies the comparison.
  virtual bool holds(std::weak_ordering order) const = 0;

 private:
  int position1 = 0;
  int position2 = 0;
  bool numeric = false;
};

// Ends the run: two attributes of different types were to be compared.
[[noreturn]] void failTypeMismatch();

}  // namespace qerix

#endif  // QERIX_CONDITIONS_COMPARISON_OPERATOR_H
