#ifndef QERIX_DRIVER_RUN_H
#define QERIX_DRIVER_RUN_H

#include <iosfwd>
#include <span>
#include <string_view>

namespace qerix {

// How a run evaluates its query: for tests that compare a run with every
// rewrite of the planner and all parallel work against the plain evaluation
// on one thread, and for tools that show one step at a time. Not an option
// of the program: its result is the same bytes either way.
struct RunSettings {
  bool rewrites = true;
  bool parallel = true;
};

// One whole run of `qerix [-x] <input_file> <output_file>`: the arguments without
// the program's path, the console's output and error streams. Returns the
// exit status; every fatal error ends up here as a message on `errors` and
// status 1, with both outputs flushed.
int run(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors,
        const RunSettings& settings = {});

}  // namespace qerix

#endif  // QERIX_DRIVER_RUN_H
