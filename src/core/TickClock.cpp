// TickClock.cpp - the time-stamp counter where it is invariant (x86), the steady clock elsewhere.
#include "core/TickClock.h"

#include <chrono>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#define OVSS_TICK_COUNTER 1
#endif

namespace ovtick {
namespace {

using Steady = std::chrono::steady_clock;

std::int64_t steadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Steady::now().time_since_epoch())
        .count();
}

#ifdef OVSS_TICK_COUNTER
// The counter ticks at one rate whatever the core's frequency or sleep state ("invariant TSC").
bool counterIsInvariant() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(0x80000000u, &eax, &ebx, &ecx, &edx) == 0 || eax < 0x80000007u) {
        return false;
    }
    __get_cpuid(0x80000007u, &eax, &ebx, &ecx, &edx);
    return (edx & (1u << 8)) != 0;
}

const bool kUseCounter = counterIsInvariant();

double measureCounterRate() {
    // Two milliseconds against the steady clock: its reading error (tens of nanoseconds) then
    // makes well under a thousandth of the rate.
    const std::int64_t startNs = steadyNanoseconds();
    const std::uint64_t startTicks = __rdtsc();
    std::int64_t elapsedNs = 0;
    std::uint64_t ticks = 0;
    do {
        elapsedNs = steadyNanoseconds() - startNs;
        ticks = __rdtsc() - startTicks;
    } while (elapsedNs < 2'000'000);
    return ticks == 0 ? 1.0 : static_cast<double>(elapsedNs) / static_cast<double>(ticks);
}
#endif

}  // namespace

std::uint64_t now() {
#ifdef OVSS_TICK_COUNTER
    if (kUseCounter) {
        return __rdtsc();
    }
#endif
    return static_cast<std::uint64_t>(steadyNanoseconds());
}

double nanosecondsPerTick() {
#ifdef OVSS_TICK_COUNTER
    if (kUseCounter) {
        static const double rate = measureCounterRate();
        return rate;
    }
#endif
    return 1.0;
}

}  // namespace ovtick
