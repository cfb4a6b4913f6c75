// MacroStandardsLoad.h - "Load from standards" of the macro parameter dialog: every selected
// macro is recomputed through the connection standard whose mapping file has the macro's name as
// a key, and the record is filled again from the drawing.
#pragma once

#include "core/Tvx_String.h"
#include "core/macro/MacroData.h"

// The standards sheet name (without folder and extension) for a macro name; false when no
// mapping file of the library's "Connection Standards" folder has that key.
bool findStandardForMacro(const Tvx_String& macroName, Tvx_String& standard);

// Recomputes the record's macros; true when at least one was computed. Macros without a standard
// are left as they are. The record keeps its selection, choices and initial tab.
bool recomputeFromStandards(MacroData& data);

// Installs recomputeFromStandards as the core's MacroStandardsCalculator.
void installMacroStandardsCalculator();
