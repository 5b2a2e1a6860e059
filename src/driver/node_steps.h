#ifndef QERIX_DRIVER_NODE_STEPS_H
#define QERIX_DRIVER_NODE_STEPS_H

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "algebra/algebra_operator.h"

namespace qerix {

// What one node of a query gave when it was evaluated on its own.
struct NodeStep {
  enum class Outcome {
    notEvaluated,  // an operand, or a node before it, ended the run
    noResult,      // a relation name that matches no loaded relation, or a node over one
    result,
    failed,  // the node ended the run
  };

  Outcome outcome = Outcome::notEvaluated;
  std::string header;                // the result's header line, without its line end
  struct Column {
    std::string name;
    std::string type;
  };
  std::vector<Column> columns;  // the attributes, in the header's order
  std::size_t recordCount = 0;
  std::vector<std::string> firstRecords;  // in the result format
  std::string message;                    // of a node that failed
};

// Evaluates a query tree node by node, each node's plain evaluation, children
// first, and keeps each node's own result before its parent takes it over:
// the header, the record count and the first records. A node that ends the
// run keeps its message, and evaluation stops there with its error.
class NodeSteps {
 public:
  // Keeps up to `shownRecords` records of each result.
  // `extended` (-x): records are written as -x writes them (nulls as \N).
  NodeSteps(std::size_t shownRecords, bool extended) : rows(shownRecords), writesExtended(extended) {}

  // Evaluates the whole tree; ends the run where a node does.
  void evaluate(AlgebraTree& tree);

  const NodeStep& of(const TreeNode<AlgebraOperator>& node) const;

 private:
  void evaluateBelow(TreeNode<AlgebraOperator>& node);

  std::size_t rows;
  bool writesExtended;
  std::unordered_map<const TreeNode<AlgebraOperator>*, NodeStep> steps;
  NodeStep notEvaluated;
};

// A result in the result format: the header line, and the record lines of
// up to `rows` records (each without its line end).
NodeStep describeResult(const Relation& result, std::size_t rows, bool extended);

}  // namespace qerix

#endif  // QERIX_DRIVER_NODE_STEPS_H
