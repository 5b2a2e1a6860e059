#ifndef QERIX_TOOLS_LANGUAGE_JSON_H
#define QERIX_TOOLS_LANGUAGE_JSON_H

#include <iosfwd>

namespace qerix {

// Writes the language table as JSON, for the page's highlighting and symbol
// input: {"operators": [...], "conditions": [...], "assignment": {...}}, each
// entry with its keyword, symbols, words and latex as lists of spellings.
void writeLanguageJson(std::ostream& out);

}  // namespace qerix

#endif  // QERIX_TOOLS_LANGUAGE_JSON_H
