#ifndef QERIX_DRIVER_RUN_H
#define QERIX_DRIVER_RUN_H

#include <iosfwd>
#include <span>
#include <string_view>

#include "driver/query_pipeline.h"

namespace qerix {

// One whole run of `qerix [-x] [--lang en|hu] <input_file> <output_file>`: the arguments without
// the program's path, the console's output and error streams. Returns the
// exit status; every fatal error ends up here as a message on `errors` and
// status 1, with both outputs flushed.
int run(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors,
        const RunSettings& settings = {});

}  // namespace qerix

#endif  // QERIX_DRIVER_RUN_H
