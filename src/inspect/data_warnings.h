#ifndef QERIX_INSPECT_DATA_WARNINGS_H
#define QERIX_INSPECT_DATA_WARNINGS_H

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <string_view>
#include <tuple>
#include <vector>

#include "algebra/algebra_operator.h"
#include "driver/relation_loader.h"
#include "model/edit_distance.h"

namespace qerix {

// Texts of an input file, and conditions over its relations, that qerix
// reads as defined but that were most likely meant otherwise: a byte order
// mark before the query, a type that spells a number but is not "int", a
// record line that looks like a header, and, in each condition, an operand
// that is not an attribute but nearly the name of one, an "int" attribute
// compared with a text that is no number, and values with blanks in front
// (written after a comma) where a condition compares them.
//
// The conditions are bound to the attributes their inputs have, which the
// query's nodes find over records-free copies of the loaded relations (AttributeWalk).
class DataWarnings {
 public:
  // Suggestions of attribute names draw on `budget`.
  DataWarnings(std::string_view query, const RelationList& relations, EditBudget& budget,
               std::vector<std::string>& warnings);

  void checkFile();
  // The condition of a node of the query's AttributeWalk, given its operands' results there.
  void checkNode(const TreeNode<AlgebraOperator>& node, const Relation* left, const Relation* right);

 private:
  void checkCondition(ConditionTree& condition, const AttributeList& attributes,
                      const std::vector<const Relation*>& tables);

  // The first value of the table's field that starts with a blank, if any;
  // each column is read once, however many comparisons name it.
  const std::optional<std::string>& firstValueWithBlank(const Relation& table, int field);

  // A value of the table's field that is `literal` in other letters' case,
  // when no value is `literal` itself; each column is read once per literal.
  const std::optional<std::string>& valueInOtherCase(const Relation& table, int field, const std::string& literal);

  std::string_view query;
  const RelationList& relations;
  EditBudget& budget;
  std::vector<std::string>& out;
  std::map<std::pair<const Relation*, int>, std::optional<std::string>> blankValues;
  std::map<std::tuple<const Relation*, int, std::string>, std::optional<std::string>> otherCaseValues;
};

}  // namespace qerix

#endif  // QERIX_INSPECT_DATA_WARNINGS_H
