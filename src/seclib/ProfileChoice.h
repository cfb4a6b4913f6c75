// ProfileChoice.h - the section choices other dialogs offer: the sections of a section's type
// with their user names, and the entries of a section combo box (the widgets that show them are
// in the dialog library).
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The section's user name from the section tables; `fullName` itself when it has none.
Tvx_String getUserSectionName(const Tvx_String& fullName);

// The active sections of the type of `fullName` (the part before the first "-"): returns their
// full names and appends their user names, then the "undefined" text, to `displayNames`. When
// the type's table cannot be read only the undefined text is appended.
Tvx_StringArray getSysNamesOfProfile(const Tvx_String& fullName, Tvx_StringArray& displayNames);

// What a section combo box shows for `fullName`: the entries, the names behind them (`names`,
// one per entry but the last, the undefined text) and the entry to select (-1 when none).
struct ProfileComboEntries {
    Tvx_StringArray entries;
    Tvx_StringArray names;
    int selected = -1;
};
ProfileComboEntries profileComboEntries(const Tvx_String& fullName);
