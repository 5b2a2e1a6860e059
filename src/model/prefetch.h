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

// How many records ahead an in-order reader of scattered record texts asks
// for the next one: far enough for the fetch to arrive in time.
inline constexpr std::size_t prefetchDistance = 8;

}  // namespace qerix

#endif  // QERIX_MODEL_PREFETCH_H
