#ifndef QERIX_ALGEBRA_PROJECT_OPERATOR_H
#define QERIX_ALGEBRA_PROJECT_OPERATOR_H

#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"
#include "model/record_watcher.h"

namespace qerix {

// Keeps the named attributes, in the input's attribute order whatever order
// the list gives, each once; the records come out sorted and distinct. Of
// equal records (07 and 7 in an "int" field are equal) the last one stays.
// A name the input lacks stands for position 0: with records, the run ends
// with the getValue message.
//
// Over a loaded relation, or a select over one, the project may project the
// records while they are loaded (watchInputWhileLoading); then it reads none
// of them again.
class ProjectOperator : public AlgebraOperator {
 public:
  ProjectOperator();
  ~ProjectOperator() override;

  // Names separated by commas; blanks at a name's start are dropped, blanks
  // before a comma stay, and a comma at the end adds nothing. An all-blank
  // list ends the run.
  void setAttributeNames(std::string_view text);
  const std::vector<std::string>& getAttributeNames() const { return attributeNames; }

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;

  // For the loader: the input's records are projected as they are loaded.
  // Over a select over a relation, pass the select's condition: then that
  // relation's records are projected where the condition holds.
  RecordWatcher& watchInputWhileLoading(ConditionTree* selectCondition);

 private:
  class ProjectionWhileLoading;

  std::vector<std::string> attributeNames;
  std::unique_ptr<ProjectionWhileLoading> whileLoading;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_PROJECT_OPERATOR_H
