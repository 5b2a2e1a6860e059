#ifndef QERIX_TOOLS_TREE_JSON_H
#define QERIX_TOOLS_TREE_JSON_H

#include <iosfwd>
#include <string>
#include <vector>

#include "algebra/algebra_operator.h"
#include "driver/node_steps.h"
#include "inspect/inspected_query.h"

namespace qerix {

// What qerix-tree --json writes, for the browser page and for editors.
struct TreeReport {
  std::string query;
  bool extended = false;
  AlgebraTree* tree = nullptr;       // null when the input or the query was refused
  const NodeSteps* steps = nullptr;  // null without --steps
  std::vector<std::string> warnings;
  std::string error;  // the message that ended the run, or ""
  int status = 0;
  const NodeNotes* notes = nullptr;  // what each node did, added to its text
};

// One JSON object: the query; the tree, each node with its keyword, its
// printed text and its children (and with steps, its own result: the
// outcome, the attributes, the record count, the first records, or the
// message); the warnings; the error and the exit status.
void writeTreeJson(const TreeReport& report, std::ostream& out);

}  // namespace qerix

#endif  // QERIX_TOOLS_TREE_JSON_H
