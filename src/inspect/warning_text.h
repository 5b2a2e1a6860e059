#ifndef QERIX_INSPECT_WARNING_TEXT_H
#define QERIX_INSPECT_WARNING_TEXT_H

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/message_catalogue.h"

namespace qerix {

// A warning's line: the catalogue's warning prefix, then the text `id` with
// its parameters filled in, in the language of the run.
std::string warningText(Text id, std::initializer_list<std::string_view> parameters = {});

}  // namespace qerix

#endif  // QERIX_INSPECT_WARNING_TEXT_H
