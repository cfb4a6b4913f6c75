// StudioMacroEditExports.cpp - the macro editor on a macro of the drawing session.
#include "ui/macroedit/StudioMacroEditExports.h"

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "macrodlg/DrawingSession.h"
#include "ui/macroedit/CDlgSelectMacro.h"
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

bool ovssSelectSampleMacro(Tvx_String* chosen) {
    Tvx_StringArray names;
    for (const Tvx_String& file : listFiles(Tvx_MacroPropsFilter::macroFolder(), L"*.dwg", false)) {
        names.append(removeExtension(file));
    }
    Tvx_String result;
    bool flag = true;
    if (!StartDlgSelectMacro(Tvx_String(), names, 0, 0, result, flag, false)) {
        return false;
    }
    if (chosen != nullptr) {
        *chosen = result;
    }
    return true;
}
