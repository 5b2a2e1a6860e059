#ifndef QERIX_MODEL_PREFETCH_H
#define QERIX_MODEL_PREFETCH_H

#include <cstddef>

namespace qerix {

// Asks the processor to start fetching the memory at `address`, which the
// caller will read soon, so that the wait overlaps other work. A hint only:
// without the compiler's builtin it does nothing.
inline void prefetch([[maybe_unused]] const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#endif
}

}  // namespace qerix

#endif  // QERIX_MODEL_PREFETCH_H
