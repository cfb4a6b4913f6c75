// AcTransaction.h - the host's transaction, as far as this module needs it: an identifier and
// whether it is still open, committed or aborted. Ending a transaction twice fails.
#pragma once

#include <cstdint>

class AcTransaction {
  public:
    enum class State { Open, Committed, Aborted };

    AcTransaction();  // a fresh, open transaction with a process-unique id
    explicit AcTransaction(std::uint64_t id) : id_(id) {}

    std::uint64_t id() const { return id_; }
    State state() const { return state_; }
    bool isOpen() const { return state_ == State::Open; }

    bool commit();  // false when already ended
    bool abort();   // false when already ended

  private:
    std::uint64_t id_ = 0;
    State state_ = State::Open;
};
