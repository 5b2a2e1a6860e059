#include "text/spelling_list.h"

namespace qerix {

bool isSpelledAs(std::string_view alternatives, std::string_view spelling) {
  bool found = false;
  forEachSpelling(alternatives, [&](std::string_view each) { found = found || each == spelling; });
  return found;
}

std::string_view firstSpelling(std::string_view alternatives) { return alternatives.substr(0, alternatives.find(' ')); }

}  // namespace qerix
