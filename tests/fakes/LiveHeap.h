#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator keeps its own books; GCC ships no header for this one.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace fakes {

// Bytes the program has allocated and not freed, large blocks included.
inline std::size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

}  // namespace fakes
