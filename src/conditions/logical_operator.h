#ifndef QERIX_CONDITIONS_LOGICAL_OPERATOR_H
#define QERIX_CONDITIONS_LOGICAL_OPERATOR_H

#include <iosfwd>
#include <string>
#include <string_view>

namespace qerix {

class AttributeList;
class Record;

// What a condition node computes from its children's values, for those who
// lay a condition out in another form (compiled_condition.h, joins).
enum class ConditionKind {
  root,        // the DummyCondition at the top: its left child's value
  both,        // AND
  either,      // OR
  negation,    // NOT: the opposite of its left child's value
  comparison,  // a ComparisonOperator
  other,       // a node whose value only its own evaluate knows
};

// A node of a select's condition tree. Each evaluation stores the node's
// truth value for one record; a logical node reads its children's values,
// which the post-order walk has computed just before.
class LogicalOperator {
 public:
  LogicalOperator() = default;
  LogicalOperator(const LogicalOperator&) = delete;
  LogicalOperator& operator=(const LogicalOperator&) = delete;

  // True, false, or (with nulls, -x) unknown: then getResult() is false.
  bool getResult() const { return result; }
  bool isUnknown() const { return unknown; }
  virtual void print(std::ostream& out) const;
  virtual void evaluate(const LogicalOperator* left, const LogicalOperator* right, const Record& record) = 0;
  virtual ~LogicalOperator() = default;

  virtual ConditionKind getKind() const = 0;

  // Prepares the node for records with these attributes; called once before
  // the records of a relation are evaluated.
  virtual void bind(const AttributeList& attributes);
  // Ends the run when the node names what these attributes lack; only
  // conditions of the textbook notation do. Unlike bind, also asked where
  // no record is tested.
  virtual void checkNames(const AttributeList& /*attributes*/) const {}
  // With -x: an operand "R.a" may name the attribute a that came from R.
  virtual void acceptQualifiedNames() {}

  // The first operand text, then the second (a third replaces the second).
  void addOperand(std::string_view text);
  const std::string& getOperand1() const { return operand1; }
  const std::string& getOperand2() const { return operand2; }

 protected:
  // "NAME: operand1, operand2" and a line end; the name alone without operand1.
  void printNamed(std::ostream& out, std::string_view name) const;

  std::string operand1;
  std::string operand2;
  bool result = false;
  bool unknown = false;
};

}  // namespace qerix

#endif  // QERIX_CONDITIONS_LOGICAL_OPERATOR_H
