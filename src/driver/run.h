#ifndef QERIX_DRIVER_RUN_H
#define QERIX_DRIVER_RUN_H

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "driver/query_pipeline.h"

namespace qerix {

// What a program above the driver adds to a run of qerix -x (it tells what
// it finds): it sees the pipeline once the run completed, or the message of a
// run that failed. Without a listener a run is what it always was.
class RunListener {
 public:
  virtual ~RunListener() = default;
  // After the result was written; may write to `errors`.
  virtual void completed(const QueryPipeline& pipeline, std::ostream& errors) = 0;
  // The message a failed run ends with, in place of `message`; the pipeline
  // is null when the run failed before it was made.
  virtual std::string explain(const QueryPipeline* pipeline, const std::string& message) = 0;
};

// One whole run of `qerix [-x] [--lang en|hu] <input_file> <output_file>`: the arguments without
// the program's path, the console's output and error streams. Returns the
// exit status; every fatal error ends up here as a message on `errors` and
// status 1, with both outputs flushed.
int run(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors,
        const RunSettings& settings = {}, RunListener* listener = nullptr);

// "-x" or "--extended": the textbook operators, for every program that reads queries.
bool isExtendedOption(std::string_view argument);

}  // namespace qerix

#endif  // QERIX_DRIVER_RUN_H
