#include "tools/tree_views.h"

#include <ostream>
#include <algorithm>
#include <sstream>
#include <unordered_map>

#include "model/fatal_error.h"
#include "model/message_catalogue.h"

namespace qerix {

namespace {

// Each node before its children, left before right, with its depth from 1.
template <class Visit>
void walkPreOrder(TreeNode<AlgebraOperator>& node, int depth, Visit& visit) {
  visit(node, depth);
  if (node.left) walkPreOrder(*node.left, depth + 1, visit);
  if (node.right) walkPreOrder(*node.right, depth + 1, visit);
}

std::string printedText(const AlgebraOperator& node) {
  std::ostringstream printed;
  node.print(printed);
  return printed.str();
}

}  // namespace

std::string notedText(const TreeNode<AlgebraOperator>& node, const NodeNotes* notes) {
  std::string text = printedText(*node.payload);
  if (!notes) return text;
  const auto note = notes->find(&node);
  if (note == notes->end()) return text;
  const std::size_t lineEnd = std::min(text.find('\n'), text.size());
  return text.insert(lineEnd, ": " + note->second);
}

std::string dotLabel(std::string_view printed) {
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
      label += '\\';
      appendEscapedByte(label, byte);
    }
  }
  return label;
}

std::vector<std::string> stepLines(const NodeStep& step) {
  std::vector<std::string> lines;
  switch (step.outcome) {
    case NodeStep::Outcome::notEvaluated:
      lines.emplace_back(textOf(Text::stepNotEvaluated));
      break;
    case NodeStep::Outcome::noResult:
      lines.emplace_back(textOf(Text::stepNoResult));
      break;
    case NodeStep::Outcome::failed:
      lines.push_back(textOf(Text::stepFailed, {step.message}));
      break;
    case NodeStep::Outcome::result:
      lines.push_back(textOf(Text::stepRecords, {step.header, std::to_string(step.recordCount)}));
      for (const std::string& record : step.firstRecords) lines.push_back(record);
      // With no record asked for, the count says it all.
      if (!step.firstRecords.empty() && step.firstRecords.size() < step.recordCount) {
        lines.push_back(textOf(Text::stepMoreRecords, {std::to_string(step.recordCount - step.firstRecords.size())}));
      }
      break;
  }
  return lines;
}

void writeTreeText(AlgebraTree& tree, const NodeSteps* steps, std::ostream& out, const NodeNotes* notes) {
  auto visit = [&](TreeNode<AlgebraOperator>& node, int depth) {
    const std::string indentation(static_cast<std::size_t>(3 * (depth - 1)), ' ');
    out << indentation << notedText(node, notes);
    if (!steps) return;
    for (const std::string& line : stepLines(steps->of(node))) out << indentation << "=> " << line << '\n';
  };
  walkPreOrder(tree.getRoot(), 1, visit);
}

void writeTreeDot(AlgebraTree& tree, const NodeSteps* steps, std::ostream& out, const NodeNotes* notes) {
  out << "digraph query {\n"
         "  ordering=out;\n"
         "  node [shape=box, fontname=\"Courier\"];\n";
  std::unordered_map<const TreeNode<AlgebraOperator>*, int> ids;
  auto visit = [&](TreeNode<AlgebraOperator>& node, int /*depth*/) {
    const int id = static_cast<int>(ids.size()) + 1;
    ids.emplace(&node, id);
    std::string label = notedText(node, notes);
    if (steps) {
      for (const std::string& line : stepLines(steps->of(node))) label += "=> " + line + "\n";
    }
    out << "  n" << id << " [label=\"" << dotLabel(label) << "\"];\n";
    // The walk has met the parent already.
    if (node.parent) out << "  n" << ids.at(node.parent) << " -> n" << id << ";\n";
  };
  walkPreOrder(tree.getRoot(), 1, visit);
  out << "}\n";
}

}  // namespace qerix
