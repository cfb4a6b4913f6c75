// ModuleOperations.cpp - finding modules and reading and writing their dialog variables.
#include "core/macro/MacroOperations.h"

Acad::ErrorStatus getModNamesOfGroup(const Tvx_Macro* macro, const Tvx_String& group,
                                     Tvx_StringArray& names) {
    if (macro == nullptr || group.isEmpty()) {
        return Acad::eInvalidInput;
    }
    Tvx_StringArray found;
    for (int i = 0; i < macro->moduleCount(); ++i) {
        if (macro->module(i)->groupKey().equal(group, false)) {
            found.append(macro->module(i)->name());
        }
    }
    if (found.isEmpty()) {
        return Acad::eInvalidInput;
    }
    names = found;
    return Acad::eOk;
}

Acad::ErrorStatus findModuleWrite(Tvx_Macro* macro, const Tvx_String& name, Tvx_Module*& module) {
    Tvx_Module* found = macro != nullptr ? macro->findModule(name) : nullptr;
    if (found == nullptr) {
        return Acad::eInvalidInput;
    }
    module = found;
    return Acad::eOk;
}

Acad::ErrorStatus openModule(Tvx_Macro* macro, const Tvx_String& name, int position,
                             Tvx_Module*& module) {
    if (position < 0) {
        return Acad::eInvalidInput;
    }
    return findModuleWrite(macro, name, module);
}

Acad::ErrorStatus getDialogVariables(const Tvx_Module* module, Tvx_StringArray& names,
                                     std::vector<bool>& visible, std::vector<bool>& settable) {
    if (module == nullptr) {
        return Acad::eInvalidInput;
    }
    names.removeAll();
    visible.clear();
    settable.clear();
    for (const Tvx_DialogVariable& variable : module->variables()) {
        names.append(variable.name);
        visible.push_back(variable.visible);
        settable.push_back(variable.settable);
    }
    return Acad::eOk;
}

Acad::ErrorStatus getSetConstrVarValue(Tvx_Module* module, const Tvx_String& variable,
                                       Tvx_String& value, bool reading) {
    Tvx_DialogVariable* found = module != nullptr ? module->findVariable(variable) : nullptr;
    if (found == nullptr) {
        return Acad::eInvalidInput;
    }
    if (reading) {
        value = Tvx_String(found->value, 8, false);
        return Acad::eOk;
    }
    if (!found->settable || !value.isNumber()) {
        return Acad::eInvalidInput;
    }
    found->value = value.toDouble();
    return Acad::eOk;
}
