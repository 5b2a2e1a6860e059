#ifndef QERIX_ALGEBRA_RENAME_OPERATOR_H
#define QERIX_ALGEBRA_RENAME_OPERATOR_H

#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"

namespace qerix {

// Gives its operand's relation, in place, a new name and new attribute names
// by position; types and records stay. Surplus names are ignored, and
// attributes beyond the last name keep theirs.
class RenameOperator : public AlgebraOperator {
 public:
  // "N(a,b,...)" names the relation N; "a,b,..." leaves it without a name.
  // An empty name in the list ends the run with a message.
  void setRenameList(std::string_view text);
  const std::string& getNewName() const { return newName; }
  const std::vector<std::string>& getNewAttributeNames() const { return newAttributeNames; }

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "rename"; }

 private:
  std::string newName;
  std::vector<std::string> newAttributeNames;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_RENAME_OPERATOR_H
