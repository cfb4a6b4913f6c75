// MacroDataSync.h - moving data between the drawing and the macro dialog record: building the
// record of a placed macro, and writing a tab back into the modules of its group.
#pragma once

#include "core/Tvx_Array.h"
#include "core/macro/MacroData.h"
#include "core/macro/Tvx_DbMacro.h"
#include "host/ErrorStatus.h"

// Fills `data` for one placed macro: one tab per module group (kind 1 for bolt modules, 2 for
// profile modules, else 0) with the first module of the group as its source. Fails, leaving
// `data` unchanged, without macro.
Acad::ErrorStatus buildMacroData(const Tvx_DbMacro* dbMacro, MacroData& data);

// Writes the tab of `moduleName` into every module of that group of every selected macro:
// settable cell values that are numbers, flex-fix states, pattern counts and reverse flags,
// the bolt block and the profile groups (by member name). The index lists say what changed;
// the whole tab is written, which gives the same drawing. True when a module was written.
bool UpdateModule(const Tvx_String& moduleName, MacroData& data, const Tvx_Array<int>& changed,
                  const Tvx_Array<int>& changedPatterns);

// UpdateModule for every tab with a non-empty list; true when any tab was written.
bool setAllToMacro(MacroData& data, const Tvx_Array<Tvx_Array<int>>& changed,
                   const Tvx_Array<Tvx_Array<int>>& changedPatterns);

// Removes `value` from every list.
void removeAll(Tvx_Array<Tvx_Array<int>>& lists, int value);
