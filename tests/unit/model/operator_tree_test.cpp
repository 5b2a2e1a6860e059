#include "model/operator_tree.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace qerix {
namespace {

struct Label {
  std::string text;
  void print(std::ostream& out) const { out << text << '\n'; }
};

using LabelTree = OperatorTree<Label>;

std::unique_ptr<Label> label(std::string text) { return std::make_unique<Label>(Label{std::move(text)}); }

// Records each visit as "label:depth".
class Recorder : public TreeVisitor<Label> {
 public:
  void visit(TreeNode<Label>& node, int depth) override {
    seen += node.payload->text + ":" + std::to_string(depth) + " ";
  }
  std::string seen;
};

// A(B(D,E),C), built as the parsers build it.
LabelTree sampleTree() {
  LabelTree tree(label("A"));
  TreeNode<Label>& b = tree.insertChild(label("B"));
  tree.insertChild(label("D"));
  tree.setCurrent(&b);
  tree.insertChild(label("E"));
  tree.setCurrent(&tree.getRoot());
  tree.insertChild(label("C"));
  return tree;
}

TEST(OperatorTree, InsertsLeftThenRightAndMovesTheInsertionPoint) {
  LabelTree tree(label("root"));
  TreeNode<Label>& first = tree.insertChild(label("first"));
  EXPECT_EQ(tree.getCurrent(), &first);
  EXPECT_EQ(first.parent, &tree.getRoot());
  tree.setCurrent(&tree.getRoot());
  TreeNode<Label>& second = tree.insertChild(label("second"));
  EXPECT_EQ(tree.getRoot().left.get(), &first);
  EXPECT_EQ(tree.getRoot().right.get(), &second);
  EXPECT_EQ(tree.getRoot().leftPayload()->text, "first");
  EXPECT_EQ(first.leftPayload(), nullptr);
  EXPECT_EQ(first.rightPayload(), nullptr);
}

TEST(OperatorTree, WalksVisitChildrenAroundTheirParentWithDepths) {
  LabelTree tree = sampleTree();
  Recorder postOrder;
  tree.walkPostOrder(postOrder);
  EXPECT_EQ(postOrder.seen, "D:3 E:3 B:2 C:2 A:1 ");
  Recorder preOrder;
  tree.walkPreOrder(preOrder);
  EXPECT_EQ(preOrder.seen, "A:1 B:2 D:3 E:3 C:2 ");
  Recorder single;
  LabelTree alone(label("R"));
  alone.walkPostOrder(single);
  EXPECT_EQ(single.seen, "R:1 ");
}

TEST(OperatorTree, PrintVisitorIndentsThreeBlanksPerLevel) {
  LabelTree tree = sampleTree();
  std::ostringstream out;
  PrintVisitor<Label> printer(out);
  tree.walkPreOrder(printer);
  EXPECT_EQ(out.str(), "A\n   B\n      D\n      E\n   C\n");
}

}  // namespace
}  // namespace qerix
