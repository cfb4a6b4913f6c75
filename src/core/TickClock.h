// TickClock.h - the clock of the profiling timers: the processor's time-stamp counter where it
// runs at a constant rate (read several times faster than the steady clock, which matters for
// timers run per equation), else the steady clock. Ticks convert to nanoseconds.
#pragma once

#include <cstdint>

namespace ovtick {

// The current tick count; differences between two readings measure time.
std::uint64_t now();

// Nanoseconds per tick: 1 on the steady clock; on the counter, its rate measured once against
// the steady clock (the first call takes about two milliseconds).
double nanosecondsPerTick();

}  // namespace ovtick
