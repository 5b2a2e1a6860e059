#ifndef QERIX_TEXT_SPELLING_LIST_H
#define QERIX_TEXT_SPELLING_LIST_H

#include <cstddef>
#include <string_view>

namespace qerix {

// A form's spellings in one notation: alternatives separated by one blank,
// the one printers write first.

// Calls `visit` with each of the blank-separated alternatives, in order.
template <class Visit>
void forEachSpelling(std::string_view alternatives, Visit&& visit) {
  while (!alternatives.empty()) {
    const std::size_t blank = alternatives.find(' ');
    visit(alternatives.substr(0, blank));
    if (blank == std::string_view::npos) break;
    alternatives.remove_prefix(blank + 1);
  }
}

// Whether `spelling` is one of the blank-separated alternatives.
bool isSpelledAs(std::string_view alternatives, std::string_view spelling);
// The first alternative: what printers write.
std::string_view firstSpelling(std::string_view alternatives);

}  // namespace qerix

#endif  // QERIX_TEXT_SPELLING_LIST_H
