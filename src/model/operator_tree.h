#ifndef QERIX_MODEL_OPERATOR_TREE_H
#define QERIX_MODEL_OPERATOR_TREE_H

#include <memory>
#include <ostream>
#include <utility>

namespace qerix {

// A node of a query's operator tree or of a select's condition tree. It owns
// its payload and its children; `parent` only points back.
template <class Payload>
struct TreeNode {
  explicit TreeNode(std::unique_ptr<Payload> nodePayload, TreeNode* parentNode = nullptr)
      : payload(std::move(nodePayload)), parent(parentNode) {}

  Payload* leftPayload() const { return left ? left->payload.get() : nullptr; }
  Payload* rightPayload() const { return right ? right->payload.get() : nullptr; }

  std::unique_ptr<Payload> payload;
  std::unique_ptr<TreeNode> left;   // the first operand
  std::unique_ptr<TreeNode> right;  // the second operand of a binary node
  TreeNode* parent;
};

template <class Payload>
class TreeVisitor {
 public:
  TreeVisitor() = default;
  TreeVisitor(const TreeVisitor&) = delete;
  TreeVisitor& operator=(const TreeVisitor&) = delete;
  virtual ~TreeVisitor() = default;

  virtual void visit(TreeNode<Payload>& node, int depth) = 0;
};

// Writes each node's own description, three blanks of indentation per level
// below the root.
template <class Payload>
class PrintVisitor : public TreeVisitor<Payload> {
 public:
  explicit PrintVisitor(std::ostream& stream) : out(stream) {}

  void visit(TreeNode<Payload>& node, int depth) override {
    for (int level = 1; level < depth; ++level) out << "   ";
    node.payload->print(out);
    out.flush();
  }

 private:
  std::ostream& out;
};

// A binary tree with an insertion point, `current`, that the parsers move.
// The walks recurse once per level; the parsers limit the nesting depth.
template <class Payload>
class OperatorTree {
 public:
  explicit OperatorTree(std::unique_ptr<Payload> rootPayload)
      : root(std::make_unique<TreeNode<Payload>>(std::move(rootPayload))), current(root.get()) {}

  TreeNode<Payload>& getRoot() const { return *root; }
  TreeNode<Payload>* getCurrent() const { return current; }
  void setCurrent(TreeNode<Payload>* node) { current = node; }

  // Attaches a node under `current`, as its left child while that is free and
  // as its right child otherwise, and makes it `current`.
  TreeNode<Payload>& insertChild(std::unique_ptr<Payload> payload) {
    auto node = std::make_unique<TreeNode<Payload>>(std::move(payload), current);
    auto& slot = current->left ? current->right : current->left;
    slot = std::move(node);
    current = slot.get();
    return *current;
  }

  // Children before their parent, left before right.
  void walkPostOrder(TreeVisitor<Payload>& visitor) { walkPostOrder(*root, visitor, 1); }
  // Each node before its children, left before right.
  void walkPreOrder(TreeVisitor<Payload>& visitor) { walkPreOrder(*root, visitor, 1); }

 private:
  static void walkPostOrder(TreeNode<Payload>& node, TreeVisitor<Payload>& visitor, int depth) {
    if (node.left) walkPostOrder(*node.left, visitor, depth + 1);
    if (node.right) walkPostOrder(*node.right, visitor, depth + 1);
    visitor.visit(node, depth);
  }

  static void walkPreOrder(TreeNode<Payload>& node, TreeVisitor<Payload>& visitor, int depth) {
    visitor.visit(node, depth);
    if (node.left) walkPreOrder(*node.left, visitor, depth + 1);
    if (node.right) walkPreOrder(*node.right, visitor, depth + 1);
  }

  std::unique_ptr<TreeNode<Payload>> root;
  TreeNode<Payload>* current;
};

}  // namespace qerix

#endif  // QERIX_MODEL_OPERATOR_TREE_H
