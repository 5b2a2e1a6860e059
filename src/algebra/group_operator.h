#ifndef QERIX_ALGEBRA_GROUP_OPERATOR_H
#define QERIX_ALGEBRA_GROUP_OPERATOR_H

#include <string_view>

#include "algebra/algebra_operator.h"
#include "algebra/grouping_list.h"

namespace qerix {

// Groups the operand's records by the listed attributes and computes the
// aggregates of each group (group(E,dept,COUNT(*)->n), the textbook's
// γ_{dept, COUNT(*)→n}(E)). The result has the grouping attributes, then an
// attribute per aggregate: COUNT gives "int", SUM of "int" "int", SUM of
// "decimal" and AVG "decimal", MIN and MAX the type of their attribute. One
// record per group, in the order of the groups' first records; without
// grouping attributes exactly one record, also over no records (its counts 0,
// the other aggregates null).
class GroupOperator : public AlgebraOperator {
 public:
  // Ends the run with a message on a malformed list.
  void setGroupingList(std::string_view text);
  const GroupingList& getGroupingList() const { return list; }
  void acceptQualifiedNames() override { lookup = NameLookup::qualified; }

  void print(std::ostream& out) const override;
  // Ends the run when a name finds no attribute or several, when a result
  // name is taken twice, when SUM or AVG reads an attribute that is no
  // number, and when an "int" sum leaves 32 bits.
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "group"; }

 private:
  GroupingList list;
  NameLookup lookup = NameLookup::plain;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_GROUP_OPERATOR_H
