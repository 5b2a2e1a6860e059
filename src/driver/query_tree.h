#ifndef QERIX_DRIVER_QUERY_TREE_H
#define QERIX_DRIVER_QUERY_TREE_H

#include <iosfwd>
#include <span>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "driver/relation_loader.h"
#include "query/expression_parser.h"

namespace qerix {

// The query of an input file, loaded and parsed exactly as a run of qerix
// loads and parses it, but neither echoed nor evaluated: every node can still
// print itself, and a table reference still finds the relation it names.
// Malformed input ends the run with the message qerix gives for it.
class ParsedQuery {
 public:
  ParsedQuery(std::string_view inputPath, QueryLanguage language);
  ParsedQuery(const ParsedQuery&) = delete;
  ParsedQuery& operator=(const ParsedQuery&) = delete;

  AlgebraTree& getTree() { return tree; }

 private:
  // Declared in this order: the table references point into the relations.
  LoadedInput input;
  AlgebraTree tree;
};

// One whole run of `qerix-tree [-x] [--dot] <input_file>`: the arguments without
// the program's path, the console's output and error streams. Writes the
// query's operator tree, as the nodes print themselves or as a Graphviz
// digraph, and returns the exit status: 0, or 1 with one message on `errors`.
int runTree(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors);

}  // namespace qerix

#endif  // QERIX_DRIVER_QUERY_TREE_H
