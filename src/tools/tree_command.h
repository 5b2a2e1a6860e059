#ifndef QERIX_TOOLS_TREE_COMMAND_H
#define QERIX_TOOLS_TREE_COMMAND_H

#include <iosfwd>
#include <span>
#include <string_view>

namespace qerix {

// One whole run of `qerix-tree [-x] [--lang en|hu] [--dot | --json] [--steps [--rows N]]
// <input_file>`: the arguments without the program's path, the console's
// output and error streams. Writes the query's operator tree, as the nodes
// print themselves, as a Graphviz digraph or as JSON, then the warnings;
// with --steps each node's own result as well. Returns the exit status: 0,
// or 1 with one message on `errors` (with --steps, also when the
// evaluation ends the run, as qerix would).
int runTree(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors);

}  // namespace qerix

#endif  // QERIX_TOOLS_TREE_COMMAND_H
