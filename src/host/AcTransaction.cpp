// AcTransaction.cpp - transaction identity and end state.
#include "host/AcTransaction.h"

#include <atomic>

namespace {
std::atomic<std::uint64_t> gNextTransactionId{1};
}

AcTransaction::AcTransaction() : id_(gNextTransactionId++) {}

bool AcTransaction::commit() {
    if (state_ != State::Open) {
        return false;
    }
    state_ = State::Committed;
    return true;
}

bool AcTransaction::abort() {
    if (state_ != State::Open) {
        return false;
    }
    state_ = State::Aborted;
    return true;
}
