#include "model/text_arena.h"

#include <cstring>

#include "model/byte_buffer.h"
#include "model/tuning.h"

namespace qerix {

namespace {
constexpr std::size_t blockSize = tuning::textArenaBlock;

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
    blocks.push_back(makeByteBuffer(size));
    return blocks.back().get();
  }
  if (size > freeSize) {
    blocks.push_back(makeByteBuffer(blockSize));
    freeSpace = blocks.back().get();
    freeSize = blockSize;
  }
  char* result = freeSpace;
  freeSpace += size;
  freeSize -= size;
  return result;
}

}  // namespace qerix
