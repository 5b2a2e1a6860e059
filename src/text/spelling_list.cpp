#include "text/spelling_list.h"

#include <cstddef>

namespace qerix {

bool isSpelledAs(std::string_view alternatives, std::string_view spelling) {
  while (!alternatives.empty()) {
    const std::size_t blank = alternatives.find(' ');
    if (alternatives.substr(0, blank) == spelling) return true;
    if (blank == std::string_view::npos) break;
    alternatives.remove_prefix(blank + 1);
  }
  return false;
}

std::string_view firstSpelling(std::string_view alternatives) { return alternatives.substr(0, alternatives.find(' ')); }

}  // namespace qerix
