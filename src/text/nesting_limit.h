#ifndef QERIX_TEXT_NESTING_LIMIT_H
#define QERIX_TEXT_NESTING_LIMIT_H

namespace qerix {

// Deeper queries and conditions are refused: evaluation, printing and freeing
// a tree each recurse once per level.
constexpr int maxNestingDepth = 1000;

}  // namespace qerix

#endif  // QERIX_TEXT_NESTING_LIMIT_H
