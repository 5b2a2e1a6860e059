#ifndef QERIX_INSPECT_FAILURE_EXPLANATION_H
#define QERIX_INSPECT_FAILURE_EXPLANATION_H

#include <string>

#include "driver/relation_loader.h"

namespace qerix {

// For a run of qerix -x that ended with `message` once the input was loaded:
// a message that names the operator at fault, quotes its text in the query
// and says why, with what would fix it; "" when nothing more can be said.
std::string explainFailure(const LoadedInput& input, const std::string& message);

}  // namespace qerix

#endif  // QERIX_INSPECT_FAILURE_EXPLANATION_H
