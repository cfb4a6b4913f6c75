// ModuleGlobals.cpp - what the frame keeps for the module's life: the check-box bitmaps and
// the drag format name. The timers and the dialog pool belong to the standards engine.
#include "core/OvTempResourceOverride.h"
#include "core/Tvx_String.h"
#include "frame/ModuleState.h"

ModuleState& moduleState() {
    static ModuleState state;
    return state;
}
