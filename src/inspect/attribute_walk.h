#ifndef QERIX_INSPECT_ATTRIBUTE_WALK_H
#define QERIX_INSPECT_ATTRIBUTE_WALK_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "model/relation.h"
#include "query/expression_parser.h"

namespace qerix {

// A query's tree, parsed as qerix parses it but unplanned, over copies of the
// loaded relations without their records: each node evaluates as usual and so
// finds the attributes of its operands and of its result, and nothing that
// needs a record can end it. With each node comes the text of its form in the
// query, for what the views, warnings and explanations say about it. Parsed
// once, walked once, however many of them look.
class AttributeWalk {
 public:
  // A node, before it evaluates, with its operands' results (null where one
  // has none), the text of its form ("" where the forms do not fit the nodes,
  // as in a program) and its place among the forms (nodeCount() for the root's dummy).
  using Visit = std::function<void(TreeNode<AlgebraOperator>& node, const Relation* left, const Relation* right,
                                   std::string_view form, std::size_t formIndex)>;

  AttributeWalk(std::string_view query, const RelationList& relations, QueryLanguage language);
  AttributeWalk(const AttributeWalk&) = delete;
  AttributeWalk& operator=(const AttributeWalk&) = delete;
  ~AttributeWalk();

  bool isParsed() const { return parsed; }
  // The nodes the query's forms stand for, the root's dummy left out.
  std::size_t nodeCount() const { return nodes.size(); }

  // Calls `visit` for each node in the order of evaluation. A node that fails
  // ends the walk: the nodes above it have no attributes to find. Returns
  // that node's message, or "". Once per walk.
  std::string walk(const Visit& visit);

 private:
  RelationList copies;  // before the tree: its table references point into them
  AlgebraTree tree;
  bool parsed = false;
  std::string prefixQuery;                 // the forms are views into it
  std::vector<std::string_view> forms;     // in text order, or none
  std::vector<TreeNode<AlgebraOperator>*> nodes;  // in text order
};

// A tree's nodes in pre-order, the root's dummy left out: as the query's forms stand in its text.
std::vector<TreeNode<AlgebraOperator>*> nodesInTextOrder(AlgebraTree& tree);

}  // namespace qerix

#endif  // QERIX_INSPECT_ATTRIBUTE_WALK_H
