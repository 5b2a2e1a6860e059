#ifndef QERIX_ALGEBRA_DOT_VISITOR_H
#define QERIX_ALGEBRA_DOT_VISITOR_H

#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>

#include "algebra/algebra_operator.h"

namespace qerix {

// Writes each node of a pre-order walk as a Graphviz node labelled with the
// node's own printed text, and an edge from its parent. The pre-order walk
// meets a parent before its children and a left child before a right one, so
// the edges come out in operand order, which "ordering=out" keeps on the page.
class DotVisitor : public TreeVisitor<AlgebraOperator> {
 public:
  explicit DotVisitor(std::ostream& stream) : out(stream) {}

  void visit(TreeNode<AlgebraOperator>& node, int depth) override;

 private:
  std::ostream& out;
  std::unordered_map<const TreeNode<AlgebraOperator>*, int> nodeIds;
};

// The whole tree as one Graphviz digraph, ready for `dot -Tsvg`.
void writeDot(AlgebraTree& tree, std::ostream& out);

// A printed text as the inside of a Graphviz label string: every line ends in
// "\l" (left-justified, so the indentation of a condition tree survives), and
// bytes that are not printable ASCII appear as \xNN, so the file stays ASCII.
std::string dotLabel(std::string_view printed);

}  // namespace qerix

#endif  // QERIX_ALGEBRA_DOT_VISITOR_H
