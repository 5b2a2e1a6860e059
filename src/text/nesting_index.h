#ifndef QERIX_TEXT_NESTING_INDEX_H
#define QERIX_TEXT_NESTING_INDEX_H

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/nesting_limit.h"

namespace qerix {

// Where one byte ("," or ")") occurs in a text, grouped by the parenthesis
// depth before each occurrence, so that the one ending an argument is found
// without reading again what is nested in the argument: a parser that looks
// for it at every level then reads a deeply nested query once, not once per
// level. The answers are those of reading the part byte by byte, for any
// part of the text, the parts where a ")" has no "(" included.
class NestingIndex {
 public:
  // Depths 0 to `deepest`, counted from the text's start, are indexed: the
  // parsers look no deeper, as they refuse deeper forms. Elsewhere, and in
  // a text of 4 GiB or more, the part is read byte by byte. The index takes
  // four bytes per indexed byte at those depths and one per 8 of the text.
  NestingIndex(std::string_view text, char indexedByte, int deepest = maxNestingDepth + 1);

  // The position in `part` (a view into the text) of the first indexed byte
  // at or after `from` that has `depth` more "(" than ")" between `from` and
  // it; npos if there is none.
  std::size_t findAtDepth(std::string_view part, std::size_t from, std::int64_t depth) const;

 private:
  std::int64_t depthAt(std::size_t offset) const;  // counted from the text's start

  std::string_view text;
  char byte;
  std::vector<std::int64_t> checkpoints;  // the depth before every checkpointStride-th byte
  // positions[firstAtDepth[d]] to positions[firstAtDepth[d + 1] - 1]: those at depth d, ascending.
  std::vector<std::uint32_t> firstAtDepth;
  std::vector<std::uint32_t> positions;
};

// findTopLevelComma(part), where `commas` indexes the text `part` is in.
inline std::size_t findTopLevelComma(const NestingIndex& commas, std::string_view part) {
  return commas.findAtDepth(part, 0, 0);
}

// The position in `part` of the ")" that closes the "(" at `open`, npos when
// none does; `closings` indexes the ")" of the text `part` is in.
inline std::size_t findClosingParenthesis(const NestingIndex& closings, std::string_view part, std::size_t open) {
  return closings.findAtDepth(part, open, 1);
}

}  // namespace qerix

#endif  // QERIX_TEXT_NESTING_INDEX_H
