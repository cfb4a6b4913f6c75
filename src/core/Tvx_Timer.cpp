// Tvx_Timer.cpp - accumulating timers on the tick clock; ticks become seconds when read.
#include "core/Tvx_Timer.h"

#include "core/TickClock.h"

void Tvx_Timer::start() {
    startedAt_ = ovtick::now();
    running_ = true;
}

void Tvx_Timer::end() {
    if (!running_) {
        return;
    }
    total_ += ovtick::now() - startedAt_;
    ++runs_;
    running_ = false;
}

double Tvx_Timer::seconds() const {
    return total_ == 0 ? 0.0 : static_cast<double>(total_) * ovtick::nanosecondsPerTick() * 1e-9;
}

void Tvx_Timer::lap() {
    const std::uint64_t now = ovtick::now();
    if (running_) {
        total_ += now - startedAt_;
        ++runs_;
    }
    startedAt_ = now;
    running_ = true;
}

void Tvx_Timer::reset() {
    total_ = 0;
    runs_ = 0;
    running_ = false;
}
