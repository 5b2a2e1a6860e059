#include "model/text_arena.h"

#include <cstring>

namespace qerix {

namespace {
// Large enough that allocation is rare, small enough that a few records do
// not cost much.
constexpr std::size_t blockSize = std::size_t{1} << 20;
}  // namespace

std::string_view TextArena::store(std::string_view bytes) {
  if (bytes.empty()) return {};
  char* target = allocate(bytes.size());
  std::memcpy(target, bytes.data(), bytes.size());
  return {target, bytes.size()};
}

char* TextArena::allocate(std::size_t size) {
  if (size > blockSize / 4) {
    // A large text gets a block of its own, so the current block keeps its free space.
    blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
    return blocks.back().get();
  }
  if (size > freeSize) {
    blocks.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
    freeSpace = blocks.back().get();
    freeSize = blockSize;
  }
  char* result = freeSpace;
  freeSpace += size;
  freeSize -= size;
  return result;
}

}  // namespace qerix
