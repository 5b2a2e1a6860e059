#ifndef QERIX_INSPECT_INSPECTED_QUERY_H
#define QERIX_INSPECT_INSPECTED_QUERY_H

#include <cstddef>
#include <string>
#include <unordered_map>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "driver/node_steps.h"
#include "driver/query_pipeline.h"
#include "driver/relation_loader.h"
#include "query/expression_parser.h"

namespace qerix {

using NodeNotes = std::unordered_map<const TreeNode<AlgebraOperator>*, std::string>;

// The query of an input file, loaded and parsed exactly as a run of qerix
// loads and parses it, but not echoed nor planned: for the views of how it
// was read (the tree, its warnings) and how it was evaluated (each node's
// own result, node by node).
class InspectedQuery {
 public:
  // Steps keep up to `stepRows` records of each node's result.
  InspectedQuery(std::string_view inputPath, QueryLanguage language, std::size_t stepRows);
  InspectedQuery(const InspectedQuery&) = delete;
  InspectedQuery& operator=(const InspectedQuery&) = delete;
  ~InspectedQuery();

  // Ends the run with the message qerix gives for a malformed input file
  // or query; isLoaded() tells which of them it was.
  void load();
  bool isLoaded() const { return pipeline.isLoaded(); }

  AlgebraTree& getTree() { return pipeline.getTree(); }
  const LoadedInput& getInput() const { return pipeline.getInput(); }

  // The suspicious texts of the query and the input file, one line each;
  // where the query was refused, those of the texts. `notes`, when given,
  // receives what each node did, for the views: the attributes a natural
  // join matched on. Only nodes with something to say are keys.
  std::vector<std::string> findWarnings(NodeNotes* notes = nullptr);

  // Evaluates the query node by node, each node's plain evaluation on one
  // thread. The message of the node that ended the run, or "".
  std::string evaluateSteps();
  // After evaluateSteps.
  const NodeSteps& getSteps() const { return pipeline.getSteps(); }

 private:
  std::string inputPath;
  QueryLanguage language;
  QueryPipeline pipeline;
};

}  // namespace qerix

#endif  // QERIX_INSPECT_INSPECTED_QUERY_H
