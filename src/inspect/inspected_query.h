#ifndef QERIX_INSPECT_INSPECTED_QUERY_H
#define QERIX_INSPECT_INSPECTED_QUERY_H

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"
#include "driver/relation_loader.h"
#include "inspect/node_steps.h"
#include "query/expression_parser.h"

namespace qerix {

// The query of an input file, loaded and parsed exactly as a run of qerix
// loads and parses it, but not echoed: for the views of how it was read
// (the tree, its warnings) and how it was evaluated (each node's own result,
// node by node). A malformed input file (when loaded) or query (when
// parsed) ends the run with the message qerix gives for it.
class InspectedQuery {
 public:
  InspectedQuery(std::string_view inputPath, QueryLanguage language);
  void parse();
  InspectedQuery(const InspectedQuery&) = delete;
  InspectedQuery& operator=(const InspectedQuery&) = delete;
  ~InspectedQuery();

  AlgebraTree& getTree() { return tree; }
  const LoadedInput& getInput() const { return input; }

  // The suspicious texts of the query and the input file, one line each;
  // before the query is parsed, or where it was refused, those of the texts.
  std::vector<std::string> findWarnings() const;
  // The query in the prefix notation (a textbook query translated), "" when it does not translate.
  std::string prefixText() const;

  // Evaluates the query node by node, each node's plain evaluation on one
  // thread, keeping up to `shownRecords` records of each node's result. The
  // message of the node that ended the run, or "".
  std::string evaluateSteps(std::size_t shownRecords);
  // After evaluateSteps.
  const NodeSteps& getSteps() const { return *steps; }

 private:
  // Declared in this order: the table references point into the relations.
  LoadedInput input;
  QueryLanguage language;
  AlgebraTree tree;
  bool parsed = false;
  std::unique_ptr<NodeSteps> steps;
};

}  // namespace qerix

#endif  // QERIX_INSPECT_INSPECTED_QUERY_H
