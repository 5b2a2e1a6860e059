#ifndef QERIX_INSPECT_EDIT_DISTANCE_H
#define QERIX_INSPECT_EDIT_DISTANCE_H

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace qerix {

// The number of single-byte insertions, deletions and replacements that
// turn one text into the other (Levenshtein's distance).
inline std::size_t editDistance(std::string_view from, std::string_view to) {
  std::vector<std::size_t> row(to.size() + 1);
  for (std::size_t column = 0; column <= to.size(); ++column) row[column] = column;
  for (std::size_t line = 1; line <= from.size(); ++line) {
    std::size_t diagonal = row[0];
    row[0] = line;
    for (std::size_t column = 1; column <= to.size(); ++column) {
      const std::size_t above = row[column];
      row[column] = std::min({above + 1, row[column - 1] + 1, diagonal + (from[line - 1] == to[column - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[to.size()];
}

}  // namespace qerix

#endif  // QERIX_INSPECT_EDIT_DISTANCE_H
