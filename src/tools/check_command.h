#ifndef QERIX_TOOLS_CHECK_COMMAND_H
#define QERIX_TOOLS_CHECK_COMMAND_H

#include <iosfwd>
#include <span>
#include <string_view>

namespace qerix {

// One whole run of `qerix-check [-x] [--tsv] [--lang en|hu] <model_input> <answer>...
// [--data <input_file>]...`: the arguments without the program's path, the
// console's output and error streams. The model input's query is the model
// answer; each answer file's first non-empty line is a student's query. Both
// run over the model input's relations and each data file's. Writes a
// verdict per answer and data set and a summary (or, with --tsv, a line per
// answer for a gradebook). Returns 0 when every answer gives the model's
// result on every data set, 1 otherwise or with one message on `errors`.
int runCheck(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors);

}  // namespace qerix

#endif  // QERIX_TOOLS_CHECK_COMMAND_H
