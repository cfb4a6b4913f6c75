// AcArray.h - the host's dynamic array, as the calling code uses it: Tvx_Array plus the host's
// find form that reports the index through an out parameter.
#pragma once

#include "core/Tvx_Array.h"

template <typename T>
class AcArray : public Tvx_Array<T> {
  public:
    using Tvx_Array<T>::Tvx_Array;
    using Tvx_Array<T>::find;

    // True when `value` occurs at or after `start`; its index goes to `foundAt`.
    bool find(const T& value, int& foundAt, int start = 0) const {
        const int index = Tvx_Array<T>::find(value, start);
        if (index < 0) {
            return false;
        }
        foundAt = index;
        return true;
    }
    int logicalLength() const { return this->length(); }
};
