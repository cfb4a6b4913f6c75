// MacroTabApply.h - what Apply does with the values a page read back from its controls: refuse
// values the drawing cannot take, find what changed and write it to the drawing at once.
#pragma once

#include <functional>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/macro/MacroData.h"

using MacroUpdateModule =
    std::function<bool(const Tvx_String& moduleName, MacroData& data, const Tvx_Array<int>& changed,
                       const Tvx_Array<int>& changedPatterns)>;

struct MacroApplyResult {
    bool changed = false;  // the tab differed, and UpdateModule was called
    bool written = false;  // UpdateModule wrote the drawing
    bool refused = false;  // a value was refused: record and drawing unchanged
    Tvx_String reason;     // why, naming the element and the value
};

// `edited` is the tab `tabIndex` of `data` with the values read back from the controls. A plain
// or check cell that changed to a text that is not a number, or a bolt count that is not a whole
// number of at least 1, refuses the whole apply. Otherwise the tab takes the edited values and,
// when MacroTabData::differences reports a change, `update` (UpdateModule by default) is called.
MacroApplyResult applyTabEdits(MacroData& data, int tabIndex, const MacroTabData& edited,
                               const MacroUpdateModule& update = {});
