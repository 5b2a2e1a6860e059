#include "algebra/algebra_operator.h"

#include <ostream>

namespace qerix {

void AlgebraOperator::print(std::ostream& out) const { out << "Default Relation Algebric Operator"; }

void AlgebraOperator::acceptQualifiedNames() {
  if (ConditionTree* condition = getCondition()) qerix::acceptQualifiedNames(*condition);
}

std::unique_ptr<Relation> AlgebraOperator::takeOperand(AlgebraOperator* operand) {
  return operand ? operand->takeResult() : nullptr;
}

void EvaluateVisitor::visit(TreeNode<AlgebraOperator>& node, int /*depth*/) {
  node.payload->evaluate(node.leftPayload(), node.rightPayload());
}

}  // namespace qerix
