#ifndef QERIX_ALGEBRA_ANTIJOIN_OPERATOR_H
#define QERIX_ALGEBRA_ANTIJOIN_OPERATOR_H

#include "algebra/filtering_join.h"

namespace qerix {

// antijoin(E1,E2) and antijoin(E1,E2,C): the records of the first relation,
// in order, that no record of the second matches as in the semijoin of the
// same arguments; exactly minus(E1,semijoin(...)).
class AntijoinOperator : public FilteringJoin {
 public:
  std::string_view getKeyword() const override { return "antijoin"; }

 protected:
  bool keepsMatched() const override { return false; }
  std::string_view printedName() const override { return "Antijoin"; }
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_ANTIJOIN_OPERATOR_H
