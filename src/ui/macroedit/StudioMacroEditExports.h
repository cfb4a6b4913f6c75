// StudioMacroEditExports.h - what a host without a drawing database of its own (the studio)
// calls to edit a macro of the drawing session: the macro editor on macro `index`, modal or
// modeless. Unmangled names, so that a host finds them with dlsym.
#pragma once

extern "C" {
// Modal: true when the editor ended with OK. Modeless: true when the editor is open. False for
// an index without a macro definition.
bool ovssEditMacro(int index, bool modeless);
}
