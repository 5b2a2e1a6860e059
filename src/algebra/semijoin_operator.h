#ifndef QERIX_ALGEBRA_SEMIJOIN_OPERATOR_H
#define QERIX_ALGEBRA_SEMIJOIN_OPERATOR_H

#include "algebra/filtering_join.h"

namespace qerix {

// semijoin(E1,E2) and semijoin(E1,E2,C): the records of the first relation,
// in order, for which at least one record of the second matches.
class SemijoinOperator : public FilteringJoin {
 public:
  std::string_view getKeyword() const override { return "semijoin"; }

 protected:
  bool keepsMatched() const override { return true; }
  std::string_view printedName() const override { return "Semijoin"; }
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_SEMIJOIN_OPERATOR_H
