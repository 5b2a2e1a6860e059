#ifndef QERIX_TOOLS_TREE_VIEWS_H
#define QERIX_TOOLS_TREE_VIEWS_H

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "driver/node_steps.h"
#include "inspect/inspected_query.h"

namespace qerix {

// The tree as its nodes print themselves, three blanks of indentation per
// level below the root; with `steps`, each node's own result after its lines.
void writeTreeText(AlgebraTree& tree, const NodeSteps* steps, std::ostream& out, const NodeNotes* notes = nullptr);

// The tree as one Graphviz digraph, ready for `dot -Tsvg`; with `steps`,
// each node's own result in its box.
void writeTreeDot(AlgebraTree& tree, const NodeSteps* steps, std::ostream& out, const NodeNotes* notes = nullptr);

// A printed text as the inside of a Graphviz label string: every line ends in
// "\l" (left-justified, so the indentation of a condition tree survives), and
// bytes that are not printable ASCII appear as \xNN, so the file stays ASCII.
std::string dotLabel(std::string_view printed);

// A node's printed text, with its note after its first line's title ("Join: pno, city").
std::string notedText(const TreeNode<AlgebraOperator>& node, const NodeNotes* notes);

// The lines that show a node's own result: its header and record count,
// its first records, or what kept it from having one.
std::vector<std::string> stepLines(const NodeStep& step);

}  // namespace qerix

#endif  // QERIX_TOOLS_TREE_VIEWS_H
