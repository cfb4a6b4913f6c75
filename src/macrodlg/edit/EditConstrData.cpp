// EditConstrData.cpp - the editor record's core operations.
#include "macrodlg/edit/EditConstrData.h"

#include "core/macro/Tvx_Drawing.h"

namespace {

// The drawing that holds the macro, with its index there; null when none does.
Tvx_Drawing* drawingOf(const AcDbObjectId& id, int& index) {
    for (Tvx_Drawing* drawing : Tvx_Drawing::openDrawings()) {
        const auto& macros = drawing->macros();
        for (std::size_t i = 0; i < macros.size(); ++i) {
            if (macros[i]->id() == id) {
                index = static_cast<int>(i);
                return drawing;
            }
        }
    }
    return nullptr;
}

}  // namespace

bool MacroGetModules(const EditConstrData& data, Tvx_StringArray& names) {
    const Tvx_DbMacro* dbMacro = data.dbMacro();
    if (dbMacro == nullptr || dbMacro->macro() == nullptr) {
        return false;
    }
    Tvx_StringArray found;
    dbMacro->macro()->getModuleNames(found);
    names = found;
    return true;
}

bool SelectOtherMacro(EditConstrData& data) {
    int index = -1;
    Tvx_Drawing* drawing = drawingOf(data.macroId, index);
    if (drawing == nullptr) {
        return false;
    }
    const auto& macros = drawing->macros();
    const int count = static_cast<int>(macros.size());
    for (int step = 1; step < count; ++step) {
        const Tvx_DbMacro* next = macros[static_cast<std::size_t>((index + step) % count)].get();
        if (next->macro() != nullptr) {
            return editConstrDataOf(next, data);
        }
    }
    return false;
}

bool editConstrDataOf(const Tvx_DbMacro* dbMacro, EditConstrData& data) {
    if (dbMacro == nullptr || dbMacro->macro() == nullptr) {
        return false;
    }
    data.macroId = dbMacro->id();
    const Tvx_Module* first = dbMacro->macro()->module(0);
    data.moduleName = first != nullptr ? first->name() : Tvx_String();
    return true;
}
