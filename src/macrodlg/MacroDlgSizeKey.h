// MacroDlgSizeKey.h - the key under which a macro parameter dialog remembers its size: one size
// per group of macros edited together, or per macro when one is edited.
#pragma once

#include "core/Tvx_String.h"
#include "core/macro/MacroData.h"

// "DLG_MACRO_EDITVARS_" then, for other than one selected object, "GROUP_" and the current
// group's key (when the current group is one of the keys) or the object count and "_MACROS";
// for one object the first macro name, if any.
Tvx_String macroDlgSizeKey(const MacroData& data);
