// HeapSettings.cpp - glibc's malloc settings (mallopt) and huge page advice for the heap; the
// sanitizers' allocators ignore them.
#include "base/HeapSettings.h"

#include <cstdint>
#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#include <unistd.h>

#include "base/LargePages.h"
#endif

namespace ovbase {

#if defined(__GLIBC__)
namespace {
// The stretch of heap kept out of use below; reachable, for leak checkers.
void* gKeptStretch = nullptr;
}  // namespace
#endif

void keepHeapForReuse() {
#if defined(__GLIBC__)
    // The largest threshold glibc accepts on 64-bit systems.
    (void)::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    // The heap grows by this much beyond each request and keeps what is freed at its top: address
    // space only, until it is touched.
    constexpr int kRoom = 256 << 20;
    (void)::mallopt(M_TOP_PAD, kRoom);
    (void)::mallopt(M_TRIM_THRESHOLD, 2 * kRoom);
    // Grow it now, by a block larger than what the heap has left, and advise huge pages over the
    // room: a 4 KB page at a time, filling a big sheet's cells costs thousands of page faults.
    auto* const before = static_cast<char*>(::sbrk(0));
    void* volatile probe = ::malloc(1 << 20);  // volatile: the pair is not optimised away
    const auto freeFrom = reinterpret_cast<std::uintptr_t>(probe);
    ::free(probe);
    auto* const after = static_cast<char*>(::sbrk(0));
    if (before == reinterpret_cast<char*>(-1) || after <= before) {
        return;
    }
    adviseLargePages(before, static_cast<std::size_t>(after - before));
    // Huge pages start at 2 MB boundaries. The stretch of free space before the first one is
    // taken by a block never used (address space; only its header is touched), so that the
    // allocations that follow come from huge pages.
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const std::uintptr_t gap = (kHugePage - freeFrom % kHugePage) % kHugePage;
    if (gap > 4096) {
        gKeptStretch = ::malloc(gap - 64);
    }
#endif
}

}  // namespace ovbase
