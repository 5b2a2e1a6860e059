#ifndef QERIX_TEXT_SPELLING_LIST_H
#define QERIX_TEXT_SPELLING_LIST_H

#include <string_view>

namespace qerix {

// A form's spellings in one notation: alternatives separated by one blank,
// the one printers write first.

// Whether `spelling` is one of the blank-separated alternatives.
bool isSpelledAs(std::string_view alternatives, std::string_view spelling);
// The first alternative: what printers write.
std::string_view firstSpelling(std::string_view alternatives);

}  // namespace qerix

#endif  // QERIX_TEXT_SPELLING_LIST_H
