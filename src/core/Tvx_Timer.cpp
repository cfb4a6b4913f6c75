// Tvx_Timer.cpp - accumulating timers on the steady clock.
#include "core/Tvx_Timer.h"

void Tvx_Timer::start() {
    startedAt_ = Clock::now();
    running_ = true;
}

void Tvx_Timer::end() {
    if (!running_) {
        return;
    }
    total_ += std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - startedAt_);
    ++runs_;
    running_ = false;
}

void Tvx_Timer::reset() {
    total_ = std::chrono::nanoseconds{0};
    runs_ = 0;
    running_ = false;
}
