#ifndef QERIX_MODEL_LETTER_CASE_H
#define QERIX_MODEL_LETTER_CASE_H

#include <string>
#include <string_view>

namespace qerix {

// Case of the ASCII letters only: names and keywords may hold UTF-8, whose
// bytes stay as they are, and no locale changes what a run reads.

std::string lowered(std::string_view text);
std::string raised(std::string_view text);

// Whether the texts differ at most in the case of their ASCII letters.
bool equalsIgnoringCase(std::string_view text, std::string_view other);

}  // namespace qerix

#endif  // QERIX_MODEL_LETTER_CASE_H
