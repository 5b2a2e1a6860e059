#ifndef QERIX_ALGEBRA_TABLE_OPERATOR_H
#define QERIX_ALGEBRA_TABLE_OPERATOR_H

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"

namespace qerix {

// A reference to a loaded relation by name. Its result is a copy of that
// relation (sharing the records), so loaded relations never change; with no
// relation of that name the result is null.
class TableOperator : public AlgebraOperator {
 public:
  explicit TableOperator(const RelationList& loaded);

  void setName(std::string_view text);  // stored without blanks at either end
  const std::string& getName() const { return name; }
  // A textbook query's reference, named at `place` ("1. sor 5. oszlop"):
  // a relation that is not loaded ends the run instead of giving no result.
  void requireRelation(std::string place) { requiredAt = std::move(place); }
  // A program's results named before the reference: the first `count` of
  // `names`, which its did-you-mean offers besides the loaded relations.
  // Shared, so that a long program keeps one list.
  void offerResultNames(std::shared_ptr<const std::vector<std::string>> names, std::size_t count) {
    resultNames = std::move(names);
    resultNameCount = count;
  }

  // Makes the reference read a named result of the program instead of a
  // loaded relation: the first operand of `statement`, a NamedResultOperator
  // node, which is evaluated before the reference.
  void bindTo(const TreeNode<AlgebraOperator>& statement) { namedResult = &statement; }
  bool isNamedResult() const { return namedResult != nullptr; }

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "table"; }

 private:
  // The last loaded relation of that name, as later ones hide earlier ones.
  const Relation* findRelation() const;

  const RelationList& relations;
  std::string name;
  const TreeNode<AlgebraOperator>* namedResult = nullptr;
  std::string requiredAt;  // empty: a missing relation gives no result
  std::shared_ptr<const std::vector<std::string>> resultNames;
  std::size_t resultNameCount = 0;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_TABLE_OPERATOR_H
