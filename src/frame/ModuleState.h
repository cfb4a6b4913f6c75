// ModuleState.h - what the module keeps between host messages: the check-box bitmaps it
// loads at initialisation and the name of its row-dragging format.
#pragma once

#include "core/Tvx_String.h"
#include "core/resources/ModuleBitmaps.h"

struct ModuleState {
    ovres::BitmapHandle checkBitmapOn;   // resource 8134, the ticked picture
    ovres::BitmapHandle checkBitmapOff;  // resource 8136, the unticked picture
    Tvx_String dragFormatName{L"Orvane dragging format"};
};

ModuleState& moduleState();

// The module's own instance: the path of the loaded library (empty when the engine is
// linked statically into a program).
const Tvx_String& moduleInstancePath();
