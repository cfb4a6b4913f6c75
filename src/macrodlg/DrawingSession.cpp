// DrawingSession.cpp - the studio's open drawing.
#include "macrodlg/DrawingSession.h"

#include "core/macro/BaseProfilesTab.h"

DrawingSession& DrawingSession::instance() {
    static DrawingSession session;
    return session;
}

bool DrawingSession::open(const Tvx_String& path, Tvx_String& error) {
    auto drawing = std::make_unique<Tvx_Drawing>();
    if (!drawing->loadFromFile(path, error)) {
        return false;
    }
    drawing_ = std::move(drawing);
    path_ = path;
    return true;
}

bool DrawingSession::save(const Tvx_String& path, Tvx_String& error) const {
    if (drawing_ == nullptr) {
        error = L"no drawing is open";
        return false;
    }
    return drawing_->saveToFile(path.isEmpty() ? path_ : path, error);
}

int DrawingSession::macroCount() const {
    return drawing_ != nullptr ? static_cast<int>(drawing_->macros().size()) : 0;
}

bool DrawingSession::macroId(int index, AcDbObjectId& id) const {
    if (index < 0 || index >= macroCount()) {
        return false;
    }
    id = drawing_->macros()[index]->id();
    return true;
}

bool DrawingSession::macroRow(int index, Tvx_String& name, Tvx_String& baseProfiles,
                              Tvx_String& modules) const {
    if (index < 0 || index >= macroCount()) {
        return false;
    }
    const Tvx_DbMacro& dbMacro = *drawing_->macros()[index];
    name = dbMacro.macro() != nullptr ? dbMacro.macro()->name() : Tvx_String(L"(missing)");
    baseProfiles.empty();
    for (const AcDbObjectId& id : dbMacro.baseProfileIds()) {
        if (const Tvx_Profile* profile = drawing_->findProfile(id)) {
            baseProfiles += (baseProfiles.isEmpty() ? L"" : L", ") + profile->sectionName;
        }
    }
    modules.empty();
    Tvx_StringArray names;
    if (dbMacro.macro() != nullptr) {
        dbMacro.macro()->getModuleNames(names);
    }
    for (const Tvx_String& module : names) {
        modules += (modules.isEmpty() ? L"" : L", ") + module;
    }
    return true;
}

bool DrawingSession::buildRecord(int index, MacroData& data) const {
    return index >= 0 && index < macroCount() &&
           buildDialogMacroData(drawing_->macros()[index].get(), data) == Acad::eOk;
}

Tvx_DbMacro* DrawingSession::dbMacro(int index) const {
    return index >= 0 && index < macroCount() ? drawing_->macros()[index].get() : nullptr;
}
