#ifndef QERIX_ALGEBRA_DIVIDE_OPERATOR_H
#define QERIX_ALGEBRA_DIVIDE_OPERATOR_H

#include <vector>

#include "algebra/algebra_operator.h"

namespace qerix {

// divide(E1,E2), by attribute names. The quotient attributes are E1's
// attributes whose names E2 lacks, in E1's order; the result holds each
// quotient t of E1's records such that for every record s of E2, E1 holds a
// record of quotient t whose values under E2's names equal s's (compared as
// EQ compares). It is sorted and free of duplicates as project makes it
// (the later of equal records kept); an E2 without records gives exactly the
// projection of E1 on the quotient attributes, an empty E1 no records.
class DivideOperator : public AlgebraOperator {
 public:
  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "divide"; }

  // Where the divisor's attributes stand in the dividend, and the quotient.
  struct Layout {
    std::vector<int> divisorPositions;   // in E1, of each of E2's attributes, in E2's order
    std::vector<int> quotientPositions;  // in E1, ascending
    AttributeList quotient;

    // Ends the run when an attribute of E2 does not occur exactly once in E1,
    // when E2 repeats a name, or when E1 keeps no attribute of its own.
    static Layout of(const AttributeList& dividend, const AttributeList& divisor);
  };
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_DIVIDE_OPERATOR_H
