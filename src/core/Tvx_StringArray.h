// Tvx_StringArray.h - the application's list of strings: a Tvx_Array of Tvx_String with
// case-optional search.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"

class Tvx_StringArray : public Tvx_Array<Tvx_String> {
  public:
    using Tvx_Array<Tvx_String>::Tvx_Array;
    using Tvx_Array<Tvx_String>::append;

    // Index of the first entry equal to `text` (case flag as in Tvx_String::equal); -1 when absent.
    int find(const Tvx_String& text, bool caseSensitive, int start = 0) const;
    bool contains(const Tvx_String& text, bool caseSensitive) const;
    // Appends `text` unless an equal entry exists; returns the index of the entry either way.
    int appendUnique(const Tvx_String& text, bool caseSensitive);
};
