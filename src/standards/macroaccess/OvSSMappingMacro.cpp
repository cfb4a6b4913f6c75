// OvSSMappingMacro.cpp - the mapping's operations on a macro: building the object list for a
// calculation request, and reading or writing one spreadsheet variable's value, by module
// group (the variable's name says what it is) or through the mapped object bound to it.
#include "core/macro/MacroOperations.h"
#include "standards/macroaccess/ModuleGroupAccess.h"
#include "standards/macroaccess/ObjectAccess.h"
#include "standards/macroaccess/OvDlgStandardsData.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

// Reading stops at the first module of the record's group that has the value; writing goes to
// every module and succeeds when all of them took it.
Acad::ErrorStatus accessModuleGroup(const Tvx_String& name, OvValueType valueType,
                                    Tvx_String& value, bool reading,
                                    const OvDlgStandardsData& record) {
    Tvx_Macro* macro = record.dbMacro->macroWrite();
    Tvx_StringArray modules;
    if (macro == nullptr || getModNamesOfGroup(macro, record.moduleGroup, modules) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    bool allWritten = true;
    for (const Tvx_String& moduleName : modules) {
        Tvx_Module* module = nullptr;
        Tvx_String moduleValue = value;
        const bool ok = findModuleWrite(macro, moduleName, module) == Acad::eOk &&
                        accessByVariableName(name, valueType, macro, module, record.macroData,
                                             moduleValue, reading, record.transaction) == Acad::eOk;
        if (reading && ok) {
            value = moduleValue;
            return Acad::eOk;
        }
        allWritten = allWritten && ok;
    }
    return !reading && allWritten ? Acad::eOk : Acad::eInvalidInput;
}

}  // namespace

Acad::ErrorStatus OvSSMapping::initFromMacro(const OvDlgStandardsData& record) {
    if (record.dbMacro == nullptr || !record.moduleGroup.isEmpty()) {
        return Acad::eInvalidInput;
    }
    // Read into a fresh list: a file without lines must not leave an earlier sheet's objects.
    OvSSMapping read;
    if (read.getMappingFromFile(record.ssFile, record.moduleName) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    read.mode_ = ModeObjectList;
    *this = read;
    return Acad::eOk;
}

Acad::ErrorStatus OvSSMapping::getMacroVarValue(const Tvx_String& name, OvValueType valueType,
                                                Tvx_String& value,
                                                const OvDlgStandardsData& record) const {
    if (record.dbMacro == nullptr) {
        return Acad::eInvalidInput;
    }
    if (mode_ == ModeModuleGroup) {
        return accessModuleGroup(name, valueType, value, true, record);
    }
    int index = -1;
    if (findSSVar(name, valueType, index) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    return getObjectMacroValue(objects_[index], record.dbMacro, record.macroData, value,
                               record.transaction);
}

Acad::ErrorStatus OvSSMapping::setMacroVarValue(const Tvx_String& name, OvValueType valueType,
                                                const Tvx_String& value,
                                                const OvDlgStandardsData& record) const {
    if (record.dbMacro == nullptr) {
        return Acad::eInvalidInput;
    }
    if (mode_ == ModeModuleGroup) {
        Tvx_String written = value;
        return accessModuleGroup(name, valueType, written, false, record);
    }
    int index = -1;
    if (findSSVar(name, valueType, index) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    return setObjectMacroValue(objects_[index], record.dbMacro, record.macroData, value,
                               record.transaction);
}
