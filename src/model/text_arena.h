#ifndef QERIX_MODEL_TEXT_ARENA_H
#define QERIX_MODEL_TEXT_ARENA_H

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace qerix {

// Append-only storage for the bytes of records built by operators. A stored
// text never moves, so views of it stay valid as long as the arena lives.
class TextArena {
 public:
  std::string_view store(std::string_view bytes);

 private:
  char* allocate(std::size_t size);

  std::vector<std::unique_ptr<char[]>> blocks;
  char* freeSpace = nullptr;
  std::size_t freeSize = 0;
};

}  // namespace qerix

#endif  // QERIX_MODEL_TEXT_ARENA_H
