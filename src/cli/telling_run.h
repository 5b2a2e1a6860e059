#ifndef QERIX_CLI_TELLING_RUN_H
#define QERIX_CLI_TELLING_RUN_H

#include <iosfwd>
#include <span>
#include <string_view>

#include "driver/run.h"

namespace qerix {

// A run of qerix as its command line asks: `qerix <input_file> <output_file>`
// exactly as run gives it; with -x, a run that also tells what it finds: the
// warnings of a completed run on `errors` after the result (not with
// --no-warnings), and for a failed run a message that says which operator
// failed on what, in place of the fixed one. Exit statuses are run's.
int runTelling(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors,
               const RunSettings& settings = {});

}  // namespace qerix

#endif  // QERIX_CLI_TELLING_RUN_H
