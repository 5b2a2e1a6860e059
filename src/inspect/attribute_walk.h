#ifndef QERIX_INSPECT_ATTRIBUTE_WALK_H
#define QERIX_INSPECT_ATTRIBUTE_WALK_H

#include <functional>
#include <string>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "model/relation.h"
#include "query/expression_parser.h"

namespace qerix {

// A query's tree, parsed as qerix parses it but unplanned, over copies of the
// loaded relations without their records: each node evaluates as usual and so
// finds the attributes of its operands and of its result, and nothing that
// needs a record can end it. For what the views and warnings say about a node.
class AttributeWalk {
 public:
  using Visit = std::function<void(TreeNode<AlgebraOperator>& node, const Relation* left, const Relation* right)>;

  AttributeWalk(std::string_view query, const RelationList& relations, QueryLanguage language);
  AttributeWalk(const AttributeWalk&) = delete;
  AttributeWalk& operator=(const AttributeWalk&) = delete;
  ~AttributeWalk();

  bool isParsed() const { return parsed; }

  // Calls `visit` for each node in the order of evaluation, before it
  // evaluates, with its operands' results (null where one has none). A node
  // that fails ends the walk: the nodes above it have no attributes to find.
  // Returns that node's message, or "". Once per walk.
  std::string walk(const Visit& visit);

  // The nodes in pre-order, the root's dummy left out: as the query's forms stand in its text.
  std::vector<TreeNode<AlgebraOperator>*> nodesInTextOrder();

 private:
  RelationList copies;  // before the tree: its table references point into them
  AlgebraTree tree;
  bool parsed = false;
};

}  // namespace qerix

#endif  // QERIX_INSPECT_ATTRIBUTE_WALK_H
