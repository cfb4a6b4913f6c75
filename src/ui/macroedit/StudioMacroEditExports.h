// StudioMacroEditExports.h - what a host without a drawing database of its own (the studio)
// calls to edit a macro of the drawing session: the macro editor on macro `index`, modal or
// modeless, and the macro choice. Unmangled names, so that a host finds them with dlsym.
#pragma once

#include "core/Tvx_String.h"

extern "C" {
// Modal: true when the editor ended with OK. Modeless: true when the editor is open. False for
// an index without a macro definition.
bool ovssEditMacro(int index, bool modeless);
// The select-macro dialog over every macro of the library's macro folder; true, with the chosen
// macro drawing, on OK.
bool ovssSelectSampleMacro(Tvx_String* chosen);
}
