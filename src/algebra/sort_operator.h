#ifndef QERIX_ALGEBRA_SORT_OPERATOR_H
#define QERIX_ALGEBRA_SORT_OPERATOR_H

#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "model/attribute_list.h"

namespace qerix {

// sort(E,a DESC,b), with -x: the records of E ordered by the listed
// attributes, each ascending unless DESC follows it (ASC may), the first
// deciding; stable, so records equal on all of them keep E's order. "int"
// values compare by number, decimals by value, others by bytes; a null comes
// before every value ascending and after every value descending. Operators
// that keep their input's order keep this one, and the result is written in it.
class SortOperator : public AlgebraOperator {
 public:
  struct SortKey {
    std::string name;
    bool descending = false;
  };

  // Ends the run when the list or one of its items is empty or malformed.
  void setSortList(std::string_view text);
  const std::vector<SortKey>& getSortKeys() const { return keys; }
  // The list as the prefix notation writes it: "age DESC,name".
  std::string getSortList() const;

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "sort"; }
  void acceptQualifiedNames() override { lookup = NameLookup::qualified; }

 private:
  std::vector<SortKey> keys;
  NameLookup lookup = NameLookup::plain;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_SORT_OPERATOR_H
