#ifndef QERIX_MODEL_BYTE_BUFFER_H
#define QERIX_MODEL_BYTE_BUFFER_H

#include <cstddef>
#include <memory>

namespace qerix {

// A buffer of `size` bytes, not zeroed, since every byte is written before
// it is read. Where the standard library lacks make_unique_for_overwrite
// (some 32-bit WebAssembly ones), the bytes are zeroed all the same.
inline std::unique_ptr<char[]> makeByteBuffer(std::size_t size) {
#if defined(__cpp_lib_smart_ptr_for_overwrite)
  return std::make_unique_for_overwrite<char[]>(size);
#else
  return std::make_unique<char[]>(size);
#endif
}

}  // namespace qerix

#endif  // QERIX_MODEL_BYTE_BUFFER_H
