// Tvx_Timer.h - named profiling timers: a timer accumulates the time between start() and end()
// over any number of runs; Tvx_FunctionTimer times one scope. Timers only measure.
#pragma once

#include <cstdint>

#include "core/Tvx_String.h"

class Tvx_Timer {
  public:
    explicit Tvx_Timer(const Tvx_String& name = Tvx_String()) : name_(name) {}

    const Tvx_String& name() const { return name_; }
    // Starts a run; a start while running restarts the current run.
    void start();
    // Ends the current run and adds its duration; an end without a start does nothing.
    void end();
    // Ends the current run and starts the next with one clock reading, for runs that follow
    // each other directly; without a current run it only starts one.
    void lap();
    bool isRunning() const { return running_; }

    double seconds() const;                    // ended runs
    long long count() const { return runs_; }  // ended runs
    void reset();

  private:
    Tvx_String name_;
    // In ticks of the timers' clock (TickClock.h).
    std::uint64_t startedAt_ = 0;
    std::uint64_t total_ = 0;
    long long runs_ = 0;
    bool running_ = false;
};

class Tvx_FunctionTimer {
  public:
    explicit Tvx_FunctionTimer(Tvx_Timer& timer) : timer_(timer) { timer_.start(); }
    ~Tvx_FunctionTimer() { timer_.end(); }
    Tvx_FunctionTimer(const Tvx_FunctionTimer&) = delete;
    Tvx_FunctionTimer& operator=(const Tvx_FunctionTimer&) = delete;

  private:
    Tvx_Timer& timer_;
};
