// ErrorStatus.h - the host's result code for exported operations: 0 for success, 3 for any failure.
#pragma once

namespace Acad {

enum ErrorStatus : int {
    eOk = 0,
    eInvalidInput = 3,
};

}  // namespace Acad
