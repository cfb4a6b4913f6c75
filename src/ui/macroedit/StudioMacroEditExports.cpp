// StudioMacroEditExports.cpp - the macro editor on a macro of the drawing session.
#include "ui/macroedit/StudioMacroEditExports.h"

#include "macrodlg/DrawingSession.h"
#include "ui/macroedit/MacroEditLaunchers.h"

bool ovssEditMacro(int index, bool modeless) {
    EditConstrData data;
    if (!editConstrDataOf(DrawingSession::instance().dbMacro(index), data)) {
        return false;
    }
    if (modeless) {
        StartDlgEditConstraints(data);
        return modelessMacroEditor() != nullptr;
    }
    return StartDlgEditConstrModal(data);
}
