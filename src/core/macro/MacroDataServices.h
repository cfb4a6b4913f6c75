// MacroDataServices.h - what the macro dialog record needs from layers above the core: the
// recomputation of a macro through its connection standard (the standards engine installs it),
// and the macro selection of the host (the host installs it). Both are replaceable; without an
// installed service the operation reports that nothing was done.
#pragma once

#include <functional>

class MacroData;

// Recomputes the record's macros in the drawing and refills the record; true when done.
using MacroStandardsCalculator = std::function<bool(MacroData&)>;
void setMacroStandardsCalculator(MacroStandardsCalculator calculator);
const MacroStandardsCalculator& macroStandardsCalculator();

// Lets the user select other macros; fills the record anew and returns true on a new selection.
using MacroSelector = std::function<bool(MacroData&)>;
void setMacroSelector(MacroSelector selector);
const MacroSelector& macroSelector();
