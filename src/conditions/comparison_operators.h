#ifndef QERIX_CONDITIONS_COMPARISON_OPERATORS_H
#define QERIX_CONDITIONS_COMPARISON_OPERATORS_H

#include "conditions/comparison_operator.h"

namespace qerix {

class EqOperator : public ComparisonOperator {
 public:
  std::string_view getName() const override { return "EQ"; }

  bool holds(std::weak_ordering order) const override { return order == 0; }
};

class NeqOperator : public ComparisonOperator {
 public:
  std::string_view getName() const override { return "NEQ"; }

  bool holds(std::weak_ordering order) const override { return order != 0; }
};

class LtOperator : public ComparisonOperator {
 public:
  std::string_view getName() const override { return "LT"; }

  bool holds(std::weak_ordering order) const override { return order < 0; }
};

class LteOperator : public ComparisonOperator {
 public:
  std::string_view getName() const override { return "LTE"; }

  bool holds(std::weak_ordering order) const override { return order <= 0; }
};

class GtOperator : public ComparisonOperator {
 public:
  std::string_view getName() const override { return "GT"; }

  bool holds(std::weak_ordering order) const override { return order > 0; }
};

class GteOperator : public ComparisonOperator {
 public:
  std::string_view getName() const override { return "GTE"; }

  bool holds(std::weak_ordering order) const override { return order >= 0; }
};

}  // namespace qerix

#endif  // QERIX_CONDITIONS_COMPARISON_OPERATORS_H
