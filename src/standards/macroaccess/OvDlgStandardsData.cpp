// OvDlgStandardsData.cpp - filling a calculation request.
#include "standards/macroaccess/OvDlgStandardsData.h"

Tvx_String moduleGroupOf(const Tvx_String& moduleName) {
    if (!moduleName.startsWith(kModuleGroupPrefix, false)) {
        return Tvx_String();
    }
    return moduleName.getSubstrAfter(L".", false);
}

Acad::ErrorStatus OvDlgStandardsData::initialize(Tvx_DbMacro* macro, Tvx_String sheet,
                                                 Tvx_String name, MacroData* data) {
    if (macro == nullptr || data == nullptr) {
        return Acad::eInvalidInput;
    }
    moduleGroup = moduleGroupOf(name);
    mode = MacroMode;
    ssFile = std::move(sheet);
    moduleName = std::move(name);
    dbMacro = macro;
    macroData = data;
    return Acad::eOk;
}
