#ifndef QERIX_CONDITIONS_COMPILED_CONDITION_H
#define QERIX_CONDITIONS_COMPILED_CONDITION_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/condition_tree.h"
#include "model/attribute_list.h"
#include "model/decimal.h"

namespace qerix {

// A bound condition laid out for testing many records: the values it reads
// are found in one pass over the record, numeric literals are converted once,
// and its nodes are reached without virtual calls. It gives what
// evaluateCondition gives for every record. A node's value depends on the
// record alone, so a node whose value no other node reads is left out.
class CompiledCondition {
 public:
  // `condition` must be bound to the attributes of the records to be tested,
  // and must outlive this object.
  explicit CompiledCondition(ConditionTree& condition);

  bool holdsFor(const Record& record);
  // As holdsFor, for a record whose text holds exactly as many values as its
  // relation has attributes, as every record read from the input file does:
  // values near the end of the record are then found from its end.
  bool holdsForFullRecord(const Record& record);

  // Whether a test reads nothing but this object and the record, so that two
  // objects made of one condition may test at once.
  bool isSelfContained() const { return knowsEveryNode; }

 private:
  enum class Kind : std::uint8_t { constant, compare, both, either, negation };
  struct Operand {
    int position = 0;  // 0: the literal
    std::string literal;
    std::int32_t number = 0;  // the literal as a number
    DecimalValue decimal;     // or as a decimal
  };
  struct Step {
    Kind kind = Kind::constant;
    bool value = false;    // of a constant
    std::size_t left = 0;  // earlier steps whose values this one reads
    std::size_t right = 0;
    Operand first;  // of a comparison
    Operand second;
    ValueKind valueKind = ValueKind::text;
    std::uint8_t acceptedOrders = 0;  // of a comparison: orderBit of each order that makes it true
  };

  static std::uint8_t orderBit(std::weak_ordering order);
  // Appends the steps for a node and its children; the index of the node's step.
  std::size_t add(const TreeNode<LogicalOperator>* node);
  Operand operandOf(const std::string& text, int position);
  // A truth value: 0 false, 1 true, unknown (a null compared) otherwise.
  char compare(const Step& step) const;
  bool test(const Record& record, int valueCount);  // valueCount: 0 where not known
  // Fills `fields` from firstPosition to lastPosition, at least.
  void findFields(std::string_view text, int valueCount);

  ConditionTree& tree;
  bool knowsEveryNode = true;            // otherwise every record goes to evaluateCondition
  std::vector<Step> steps;               // each after the steps it reads; the last one gives the result
  std::vector<char> values;              // each step's truth value for the current record (see compare)
  int firstPosition = 0;                 // the first field any comparison reads
  int lastPosition = 0;                  // the last field any comparison reads
  std::vector<std::string_view> fields;  // by position, up to lastPosition
};

}  // namespace qerix

#endif  // QERIX_CONDITIONS_COMPILED_CONDITION_H
