#ifndef QERIX_TESTS_SUPPORT_TREE_DUMP_H
#define QERIX_TESTS_SUPPORT_TREE_DUMP_H

#include <string>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "conditions/condition_tree.h"

namespace qerix::test {

// A tree in one line, each node followed by its children in parentheses.
// Algebra nodes show a table's name in single quotes, Project[a|b], Rename[N(a,b)],
// Select{its printed condition lines joined by "/"}, or their printed name;
// condition nodes show their printed name and [operand1|operand2] when they
// have operands, e.g. DUMMY(AND(EQ[x|y],GT[z|10])).
std::string dumpTree(const TreeNode<AlgebraOperator>& node);
std::string dumpTree(const TreeNode<LogicalOperator>& node);

// The tree that the parser builds below the root, over no loaded relations.
std::string dumpQuery(std::string_view query);
// The whole condition tree, DUMMY root included.
std::string dumpCondition(std::string_view condition);

}  // namespace qerix::test

#endif  // QERIX_TESTS_SUPPORT_TREE_DUMP_H
