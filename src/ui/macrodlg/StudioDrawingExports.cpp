// StudioDrawingExports.cpp - the drawing session of a host, reached by unmangled exports.
#include "ui/macrodlg/StudioDrawingExports.h"

#include "core/sheets/PickFirstSelection.h"
#include "macrodlg/DrawingSession.h"
#include "ui/macrodlg/MacroDlgLaunchers.h"
#include "ui/macroedit/MacroEditLaunchers.h"

bool ovssOpenDrawing(const Tvx_String* path, Tvx_String* error) {
    Tvx_String ignored;
    if (path == nullptr) {
        return false;
    }
    // Dialogs on the previous drawing would edit objects that no longer exist.
    destroyModelessMacroDlgs();
    closeModelessMacroEditor();
    return DrawingSession::instance().open(*path, error != nullptr ? *error : ignored);
}

bool ovssSaveDrawing(const Tvx_String* path, Tvx_String* error) {
    Tvx_String ignored;
    return DrawingSession::instance().save(path != nullptr ? *path : Tvx_String(),
                                           error != nullptr ? *error : ignored);
}

int ovssDrawingMacroCount() {
    return DrawingSession::instance().macroCount();
}

bool ovssDrawingMacroRow(int index, Tvx_String* name, Tvx_String* baseProfiles,
                         Tvx_String* modules) {
    Tvx_String a, b, c;
    if (!DrawingSession::instance().macroRow(index, a, b, c)) {
        return false;
    }
    if (name != nullptr) {
        *name = a;
    }
    if (baseProfiles != nullptr) {
        *baseProfiles = b;
    }
    if (modules != nullptr) {
        *modules = c;
    }
    return true;
}

int ovssOpenMacroDialog(int index) {
    MacroData data;
    int slot = -1;
    if (!DrawingSession::instance().buildRecord(index, data) ||
        !StartDlgMacroModeless(true, data, slot)) {
        return -1;
    }
    return slot;
}

int ovssSelectDrawingMacros(const int* indices, int count) {
    Tvx_Array<AcDbObjectId> ids;
    for (int i = 0; indices != nullptr && i < count; ++i) {
        AcDbObjectId id;
        if (DrawingSession::instance().macroId(indices[i], id)) {
            ids.append(id);
        }
    }
    setPickFirstSelection(ids);
    return ids.length();
}
