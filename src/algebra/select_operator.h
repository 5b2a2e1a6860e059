#ifndef QERIX_ALGEBRA_SELECT_OPERATOR_H
#define QERIX_ALGEBRA_SELECT_OPERATOR_H

#include <memory>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"
#include "model/record_watcher.h"

namespace qerix {

// Keeps, in order and with duplicates, the records for which the condition
// holds. Every condition node is evaluated for every record: no
// short-circuit, so a comparison of mismatched types always ends the run.
//
// Evaluation binds the condition, which is where a run can end; the records
// are read when the result is asked for. A parent that reads its input once
// in order (project) may instead take the unread input and test the
// condition itself, so that the input is read once rather than twice.
// Over a loaded relation, the select may test its records while they are
// loaded (watchInputWhileLoading), and need not read them for that again.
class SelectOperator : public AlgebraOperator {
 public:
  SelectOperator();
  ~SelectOperator() override;

  void setCondition(std::string_view text);  // parses it; see condition_parser.h
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  Relation* getResult() override;
  std::unique_ptr<Relation> takeResult() override;

  // The input, not read yet, whose records for which evaluateCondition(
  // getCondition(), record) holds make up the result; null when the result
  // is complete already. Once taken, this select has an empty result.
  std::unique_ptr<Relation> takeUnreadInput();
  ConditionTree& getCondition() { return *condition; }

  // For the loader: the input's records are tested as they are loaded.
  RecordWatcher& watchInputWhileLoading();

 private:
  class SelectionWhileLoading;

  void readInput();

  std::unique_ptr<ConditionTree> condition;
  std::unique_ptr<Relation> unreadInput;  // non-empty, with the condition bound to it
  std::unique_ptr<SelectionWhileLoading> whileLoading;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_SELECT_OPERATOR_H
