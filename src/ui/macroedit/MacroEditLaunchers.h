// MacroEditLaunchers.h - the exported launchers of the macro editor: modal, and the one
// modeless editor with its close (EndDlgEditConstraints, in macrodlg/ModelessDialogs.h, reaches
// closeModelessMacroEditor through the dialog library's services).
#pragma once

#include "macrodlg/edit/EditConstrData.h"

class CDlgEditMacro;

// Runs the editor modally on a copy of the record; true on OK. Nothing is copied back: the
// editor writes the macro in the drawing itself.
bool StartDlgEditConstrModal(EditConstrData& data);
// Opens the modeless editor (a second call while it is open does nothing) and gives the focus
// back to the host's main window. Always true.
bool StartDlgEditConstraints(EditConstrData& data);

// The modeless editor, or null; closing it.
CDlgEditMacro* modelessMacroEditor();
void closeModelessMacroEditor();
