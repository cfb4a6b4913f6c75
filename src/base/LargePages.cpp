// LargePages.cpp - huge page advice for large buffers (Linux: madvise(MADV_HUGEPAGE)).
#include "base/LargePages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace ovbase {

void adviseLargePages(void* data, std::size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Below a few huge pages the buffer sits in the heap among other allocations.
    constexpr std::size_t kWorthIt = std::size_t{8} << 20;
    if (data == nullptr || size < kWorthIt) {
        return;
    }
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) / page * page;
    if (end > begin) {
        // Advice only: where the system has no huge pages the call fails and nothing changes.
        (void)::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
#else
    (void)data;
    (void)size;
#endif
}

}  // namespace ovbase
