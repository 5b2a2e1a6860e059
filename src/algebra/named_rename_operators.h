#ifndef QERIX_ALGEBRA_NAMED_RENAME_OPERATORS_H
#define QERIX_ALGEBRA_NAMED_RENAME_OPERATORS_H

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "algebra/algebra_operator.h"

namespace qerix {

// Gives its operand's relation a new name; attributes, types and records
// stay (renamerelation(E,N), the textbook's ρ_{N}(E)).
class RelationRenameOperator : public AlgebraOperator {
 public:
  // Ends the run with a message on an empty name.
  void setNewName(std::string_view text);
  const std::string& getNewName() const { return newName; }

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "renamerelation"; }

 private:
  std::string newName;
};

// Renames attributes by their names, all at once, so that a←b, b←a swaps
// two; the relation's name and everything else stay
// (renameattribute(E,a<-b,c<-d), the textbook's ρ_{a←b, c←d}(E)).
class AttributeRenameOperator : public AlgebraOperator {
 public:
  // "new<-old" pairs separated by commas; a pair without both names ends
  // the run with a message.
  void setRenamePairs(std::string_view text);
  // New name, then old name, in the order written.
  const std::vector<std::pair<std::string, std::string>>& getPairs() const { return pairs; }
  // From a textbook query: where each old name stood ("1. sor 5. oszlop").
  // Each must then find exactly one attribute, and the messages say where.
  void setOldNamePlaces(std::vector<std::string> places) { oldNamePlaces = std::move(places); }

  void print(std::ostream& out) const override;
  // Ends the run when an old name is no attribute of the operand.
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "renameattribute"; }

 private:
  // The position of the attribute that the old name of pair `index` renames.
  int positionOf(const AttributeList& attributes, std::size_t index) const;

  std::vector<std::pair<std::string, std::string>> pairs;
  std::vector<std::string> oldNamePlaces;  // empty for a prefix list
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_NAMED_RENAME_OPERATORS_H
