// ProfileCombo.h - section combo boxes of other dialogs: filled with the sections of a
// section's type (or a user section file), chosen through the selection dialog, read back.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class QComboBox;

// Fills `combo` with the choices for `fullName` and selects its own entry; `names` receives the
// names behind the entries (the last entry, "undefined", has none).
void fillProfileCombo(QComboBox& combo, Tvx_StringArray& names, const Tvx_String& fullName);
// Lets the user choose a section, then fills the combo with it; false when cancelled.
bool selectProfileToCombo(QComboBox& combo, Tvx_StringArray& names);
// The name behind the combo's selection; false when nothing valid is selected.
bool getSelectedProfile(const QComboBox& combo, const Tvx_StringArray& names, Tvx_String& name);
