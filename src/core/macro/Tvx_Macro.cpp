// Tvx_Macro.cpp - the modules of a macro and its view of the drawing's general variables.
#include "core/macro/Tvx_Macro.h"

Tvx_Module* Tvx_Macro::addModule(std::unique_ptr<Tvx_Module> module) {
    if (!module || module->name().isEmpty() || findModule(module->name()) != nullptr) {
        return nullptr;
    }
    modules_.push_back(std::move(module));
    return modules_.back().get();
}

Tvx_Module* Tvx_Macro::module(int index) {
    if (index < 0 || index >= moduleCount()) {
        return nullptr;
    }
    return modules_[static_cast<std::size_t>(index)].get();
}

const Tvx_Module* Tvx_Macro::module(int index) const {
    return const_cast<Tvx_Macro*>(this)->module(index);
}

void Tvx_Macro::getModuleNames(Tvx_StringArray& names) const {
    names.removeAll();
    for (const auto& module : modules_) {
        names.append(module->name());
    }
}

Tvx_Module* Tvx_Macro::findModule(const Tvx_String& name) {
    for (const auto& module : modules_) {
        if (module->name().equal(name, false)) {
            return module.get();
        }
    }
    return nullptr;
}

const Tvx_Module* Tvx_Macro::findModule(const Tvx_String& name) const {
    return const_cast<Tvx_Macro*>(this)->findModule(name);
}

double Tvx_Macro::generalVariableValue(const Tvx_String& name) const {
    double value = 0.0;
    findGeneralVariable(name, value);
    return value;
}

bool Tvx_Macro::findGeneralVariable(const Tvx_String& name, double& value) const {
    return generalVariables_ != nullptr && generalVariables_->find(name, value);
}

bool Tvx_Macro::setGeneralVariable(const Tvx_String& name, double value) {
    return generalVariables_ != nullptr && generalVariables_->set(name, value);
}

void Tvx_Macro::getGeneralVariables(Tvx_StringArray& names) const {
    names.removeAll();
    if (generalVariables_ != nullptr) {
        names = generalVariables_->names();
    }
}
