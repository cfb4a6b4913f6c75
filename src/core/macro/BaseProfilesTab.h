// BaseProfilesTab.h - the tab of a macro dialog record that shows the members a macro connects
// (its base profiles) as profile groups, one group per member, so that a user can give the
// beam of a connection another section and recompute the connection.
#pragma once

#include "core/macro/MacroData.h"
#include "core/macro/Tvx_DbMacro.h"
#include "host/ErrorStatus.h"

// The module name of that tab; no module of a macro is expected to carry it.
inline constexpr const wchar_t* kBaseProfilesTab = L"BaseProfiles";

// buildMacroData, then a profile tab (kind 2) "BaseProfiles" when the macro has base profiles in
// an open drawing. Groups are the members' names ("Profile n" for an unnamed one, n from 1).
Acad::ErrorStatus buildDialogMacroData(const Tvx_DbMacro* dbMacro, MacroData& data);

// Writes the section, material, offset type and rotation of the base-profile tab's groups into
// the drawing's profiles of every selected macro; true when a profile was written.
bool writeBaseProfilesTab(const MacroData& data);
