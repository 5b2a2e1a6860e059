#include "tools/answer_rules.h"

namespace qerix {

bool isAccepted(const Verdict& verdict, Comparison comparison) {
  switch (verdict.kind) {
    case Verdict::Kind::same:
      return true;
    case Verdict::Kind::otherOrder:
    case Verdict::Kind::otherName:
      return comparison != Comparison::bytes;
    case Verdict::Kind::otherDuplicates:
      return comparison == Comparison::set;
    default:
      return false;
  }
}

}  // namespace qerix
