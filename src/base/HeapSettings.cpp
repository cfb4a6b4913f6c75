// HeapSettings.cpp - glibc's malloc settings (mallopt); the sanitizers' allocators ignore them.
#include "base/HeapSettings.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ovbase {

void keepHeapForReuse() {
#if defined(__GLIBC__)
    // The largest threshold glibc accepts on 64-bit systems.
    (void)::mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

}  // namespace ovbase
