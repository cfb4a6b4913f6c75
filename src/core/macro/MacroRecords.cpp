// MacroRecords.cpp - pattern counts and array entries of the dialog records.
#include "core/macro/MacroRecords.h"

int parseBoltCount(const Tvx_String& original) {
    Tvx_String text = original;
    text.trim();
    if (!text.isNumber() || text.find(L'.') >= 0 || text.find(L'e') >= 0 || text.find(L'E') >= 0) {
        return -1;
    }
    const double value = text.toDouble();
    return value >= 1 && value <= 1e6 ? static_cast<int>(value) : -1;
}

int MacroPatternProps::getCount() const {
    return parseBoltCount(count1);
}

int MacroPatternProps::getCount2() const {
    return parseBoltCount(count2);
}

bool DynArrayData::getEntry(int index, Tvx_String& text) const {
    if (!entries.isValid(index)) {
        return false;
    }
    text = entries[index];
    return true;
}
