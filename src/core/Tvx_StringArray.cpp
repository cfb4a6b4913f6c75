// Tvx_StringArray.cpp - case-optional search in string lists.
#include "core/Tvx_StringArray.h"

#include <algorithm>

int Tvx_StringArray::find(const Tvx_String& text, bool caseSensitive, int start) const {
    for (int i = std::max(start, 0); i < length(); ++i) {
        if ((*this)[i].equal(text, caseSensitive)) {
            return i;
        }
    }
    return -1;
}

bool Tvx_StringArray::contains(const Tvx_String& text, bool caseSensitive) const {
    return find(text, caseSensitive) >= 0;
}

int Tvx_StringArray::appendUnique(const Tvx_String& text, bool caseSensitive) {
    const int at = find(text, caseSensitive);
    return at >= 0 ? at : append(text);
}
