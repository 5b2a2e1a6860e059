#ifndef QERIX_ALGEBRA_SHARED_ATTRIBUTES_H
#define QERIX_ALGEBRA_SHARED_ATTRIBUTES_H

#include <vector>

#include "model/attribute_list.h"

namespace qerix {

// The attributes two relations share by name, as a natural join and the
// natural semijoin and antijoin match records on them: the second's
// attributes whose names occur in the first, in the second's order.
struct SharedAttributes {
  std::vector<int> firstPositions;   // of each shared attribute in the first
  std::vector<int> secondPositions;  // and in the second
  std::vector<int> secondOthers;     // the second's other positions, ascending
  AttributeList keyTypes;            // the shared attributes' types, in the first

  bool isEmpty() const { return firstPositions.empty(); }

  // Finds them. A shared name that occurs more than once in either relation
  // ends the run: which of its attributes was meant is never guessed.
  static SharedAttributes of(const AttributeList& first, const AttributeList& second);

  // Ends the run with the type message when a shared attribute's type text
  // differs between the two, as a comparison of the two would.
  void requireSameTypes(const AttributeList& first, const AttributeList& second) const;
};

}  // namespace qerix

#endif  // QERIX_ALGEBRA_SHARED_ATTRIBUTES_H
