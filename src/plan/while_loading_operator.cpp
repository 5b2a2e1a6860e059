#include "plan/while_loading_operator.h"

namespace qerix {

WhileLoadingOperator::WhileLoadingOperator(std::unique_ptr<AlgebraOperator> originalNode,
                                           std::unique_ptr<LoadingWork> loadingWork)
    : original(std::move(originalNode)), work(std::move(loadingWork)) {}

WhileLoadingOperator::~WhileLoadingOperator() = default;

void WhileLoadingOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  const Relation* input = left ? left->getResult() : nullptr;
  if (input && work->isWorkOn(*input)) {
    const std::unique_ptr<Relation> worked = takeOperand(left);
    result = work->resultFor(*worked);
    return;
  }
  original->evaluate(left, right);
  result = original->takeResult();
}

}  // namespace qerix
