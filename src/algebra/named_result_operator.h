#ifndef QERIX_ALGEBRA_NAMED_RESULT_OPERATOR_H
#define QERIX_ALGEBRA_NAMED_RESULT_OPERATOR_H

#include <string>
#include <string_view>

#include "algebra/algebra_operator.h"

namespace qerix {

// A statement "T <- E" of a program and the rest of the program after it:
// the first operand is E, the second the rest, in which table references to
// T read E's result (see TableOperator::bindTo). The rest is evaluated after
// E, so E's result is complete when they read it; the node's own result is
// the rest's.
class NamedResultOperator : public AlgebraOperator {
 public:
  explicit NamedResultOperator(std::string_view resultName) : name(resultName) {}

  const std::string& getName() const { return name; }

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "assign"; }

 private:
  std::string name;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_NAMED_RESULT_OPERATOR_H
