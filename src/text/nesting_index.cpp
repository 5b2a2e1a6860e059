#include "text/nesting_index.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "text/text_helpers.h"

namespace qerix {

namespace {

// A depth is found by reading from the last checkpoint: at most this many bytes.
constexpr std::size_t checkpointStride = 64;

int depthChange(char character) { return character == '(' ? 1 : character == ')' ? -1 : 0; }

}  // namespace

NestingIndex::NestingIndex(std::string_view indexedText, char indexedByte, int deepest)
    : text(indexedText), byte(indexedByte) {
  if (text.size() >= std::numeric_limits<std::uint32_t>::max()) return;
  // No depth exceeds the text's length: a short text needs few groups.
  const std::size_t depthCount = std::min<std::size_t>(static_cast<std::size_t>(std::max(deepest, 0)), text.size()) + 1;
  // Two passes, counting each group first, so that the positions take exactly their room.
  std::vector<std::uint32_t> counts(depthCount + 1, 0);
  checkpoints.resize(text.size() / checkpointStride + 1);
  std::int64_t depth = 0;
  for (std::size_t position = 0; position < text.size(); ++position) {
    if (position % checkpointStride == 0) checkpoints[position / checkpointStride] = depth;
    const char character = text[position];
    if (character == byte && depth >= 0 && depth < static_cast<std::int64_t>(depthCount)) ++counts[depth + 1];
    depth += depthChange(character);
  }
  if (text.size() % checkpointStride == 0) checkpoints.back() = depth;
  for (std::size_t group = 1; group < counts.size(); ++group) counts[group] += counts[group - 1];
  firstAtDepth = counts;
  positions.resize(counts.back());
  depth = 0;
  for (std::size_t position = 0; position < text.size(); ++position) {
    const char character = text[position];
    if (character == byte && depth >= 0 && depth < static_cast<std::int64_t>(depthCount)) {
      positions[counts[depth]++] = static_cast<std::uint32_t>(position);
    }
    depth += depthChange(character);
  }
}

std::int64_t NestingIndex::depthAt(std::size_t offset) const {
  std::int64_t depth = checkpoints[offset / checkpointStride];
  for (std::size_t position = offset - offset % checkpointStride; position < offset; ++position) {
    depth += depthChange(text[position]);
  }
  return depth;
}

std::size_t NestingIndex::findAtDepth(std::string_view part, std::size_t from, std::int64_t depth) const {
  if (from >= part.size()) return std::string_view::npos;
  const std::less_equal<const char*> notAfter;
  const bool inText = !checkpoints.empty() && notAfter(text.data(), part.data()) &&
                      notAfter(part.data() + part.size(), text.data() + text.size());
  if (!inText) return findByteAtDepth(part, from, byte, depth);
  const std::size_t start = static_cast<std::size_t>(part.data() - text.data());
  const std::int64_t wanted = depthAt(start + from) + depth;
  if (wanted < 0 || wanted + 1 >= static_cast<std::int64_t>(firstAtDepth.size())) {
    return findByteAtDepth(part, from, byte, depth);
  }
  const auto first = positions.begin() + firstAtDepth[wanted];
  const auto last = positions.begin() + firstAtDepth[wanted + 1];
  const auto found = std::lower_bound(first, last, start + from);
  if (found == last || *found >= start + part.size()) return std::string_view::npos;
  return *found - start;
}

}  // namespace qerix
