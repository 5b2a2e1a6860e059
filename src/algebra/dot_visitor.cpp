#include "algebra/dot_visitor.h"

#include <ostream>
#include <sstream>

namespace qerix {

void DotVisitor::visit(TreeNode<AlgebraOperator>& node, int /*depth*/) {
  const int id = static_cast<int>(nodeIds.size()) + 1;
  nodeIds.emplace(&node, id);
  std::ostringstream printed;
  node.payload->print(printed);
  out << "  n" << id << " [label=\"" << dotLabel(printed.str()) << "\"];\n";
  if (node.parent) {
    // The walk has visited the parent already.
    out << "  n" << nodeIds.at(node.parent) << " -> n" << id << ";\n";
  }
}

void writeDot(AlgebraTree& tree, std::ostream& out) {
  out << "digraph query {\n"
         "  ordering=out;\n"
         "  node [shape=box, fontname=\"Courier\"];\n";
  DotVisitor visitor(out);
  tree.walkPreOrder(visitor);
  out << "}\n";
}

std::string dotLabel(std::string_view printed) {
  static constexpr char hexDigits[] = "0123456789ABCDEF";
  std::string label;
  for (const char character : printed) {
    const auto byte = static_cast<unsigned char>(character);
    if (character == '\n') {
      label += "\\l";
    } else if (character == '"' || character == '\\') {
      label += '\\';
      label += character;
    } else if (character == '&') {
      // Graphviz reads "&name;" as a character entity in any label.
      label += "&amp;";
    } else if (byte >= 0x20 && byte < 0x7F) {
      label += character;
    } else {
      // An escaped backslash: Graphviz shows the four characters \xNN.
      label += "\\\\x";
      label += hexDigits[byte >> 4];
      label += hexDigits[byte & 0x0F];
    }
  }
  return label;
}

}  // namespace qerix
