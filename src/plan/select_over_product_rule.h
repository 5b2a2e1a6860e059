#ifndef QERIX_PLAN_SELECT_OVER_PRODUCT_RULE_H
#define QERIX_PLAN_SELECT_OVER_PRODUCT_RULE_H

#include "plan/rewrite_rule.h"

namespace qerix {

// select(product(A,B),C) becomes a theta join of A and B under C, which forms
// only the pairs it keeps instead of the whole product.
class SelectOverProductRule : public RewriteRule {
 public:
  bool rewrite(PlanNode& node, QueryPlan& plan) const override;
};

}  // namespace qerix

#endif  // QERIX_PLAN_SELECT_OVER_PRODUCT_RULE_H
