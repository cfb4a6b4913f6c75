// StudioDrawingExports.h - what a host without a drawing database of its own (the studio) calls
// to work on a drawing file inside the module: open, list the macros, open a macro's parameter
// dialog modeless, save. Unmangled names, so that a host finds them with dlsym.
#pragma once

#include "core/Tvx_String.h"

extern "C" {
// False, with the reason in `error` and the previous drawing kept, when the file cannot be read.
bool ovssOpenDrawing(const Tvx_String* path, Tvx_String* error);
// Saves atomically to `path` (empty: the file opened); false with the reason in `error`.
bool ovssSaveDrawing(const Tvx_String* path, Tvx_String* error);
int ovssDrawingMacroCount();
// The macro's name, its base profiles' sections and its modules, each as one text.
bool ovssDrawingMacroRow(int index, Tvx_String* name, Tvx_String* baseProfiles,
                         Tvx_String* modules);
// Opens the macro's parameter dialog modeless; the dialog's slot, -1 on failure.
int ovssOpenMacroDialog(int index);
// Makes the macros at `indices` the host's pick-first selection (what a drop of drawing objects
// into the module's trees reads); indices out of range are left out. Returns how many were taken.
int ovssSelectDrawingMacros(const int* indices, int count);
}
