#ifndef QERIX_INSPECT_KEYWORD_SUGGESTIONS_H
#define QERIX_INSPECT_KEYWORD_SUGGESTIONS_H

#include <string_view>

namespace qerix {

// The keyword of the language table that a word in operator position (before
// a "(") most likely stands for: a word borrowed from another notation or
// tool ("difference", "natjoin", "cross", "sigma"), or a keyword misspelt by
// one edit in a word of five letters or more ("projet"). An empty keyword
// when the word is no such word; `needsExtended` tells that the keyword is
// one only with -x.
struct KeywordSuggestion {
  std::string_view keyword;
  bool needsExtended = false;
};
KeywordSuggestion suggestKeyword(std::string_view word);

}  // namespace qerix

#endif  // QERIX_INSPECT_KEYWORD_SUGGESTIONS_H
