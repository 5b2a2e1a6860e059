#ifndef QERIX_PLAN_WHILE_LOADING_OPERATOR_H
#define QERIX_PLAN_WHILE_LOADING_OPERATOR_H

#include <memory>

#include "algebra/algebra_operator.h"
#include "exec/loading/record_watcher.h"

namespace qerix {

// A node over a loaded relation whose work was done while that relation was
// loaded: when its input turns out to be the relation worked on, the result
// is taken from the work, and the input file is not read again. Otherwise
// (a later relation of the name hid it, the records had to be held in
// memory, the work declined them) the node it stands for evaluates as usual,
// and reports what is wrong as it always does.
class WhileLoadingOperator : public AlgebraOperator {
 public:
  WhileLoadingOperator(std::unique_ptr<AlgebraOperator> original, std::unique_ptr<LoadingWork> work);
  ~WhileLoadingOperator() override;

  LoadingWork& getWork() { return *work; }

  void print(std::ostream& out) const override { original->print(out); }
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return original->getKeyword(); }

 private:
  std::unique_ptr<AlgebraOperator> original;
  std::unique_ptr<LoadingWork> work;
};

}  // namespace qerix

#endif  // QERIX_PLAN_WHILE_LOADING_OPERATOR_H
