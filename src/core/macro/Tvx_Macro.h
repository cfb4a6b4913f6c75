// Tvx_Macro.h - the macro of a placed connection: its modules in order, and access to the
// general variables of the drawing it belongs to.
#pragma once

#include <memory>
#include <vector>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/Tvx_GeneralVariables.h"
#include "core/macro/Tvx_MacroSettings.h"
#include "core/macro/Tvx_Module.h"

class Tvx_Macro {
  public:
    explicit Tvx_Macro(Tvx_String name) : name_(std::move(name)) {}
    Tvx_Macro(const Tvx_Macro&) = delete;
    Tvx_Macro& operator=(const Tvx_Macro&) = delete;

    const Tvx_String& name() const { return name_; }

    // Takes the module; null (module dropped) when it is null, unnamed or its name is taken.
    Tvx_Module* addModule(std::unique_ptr<Tvx_Module> module);
    int moduleCount() const { return static_cast<int>(modules_.size()); }
    Tvx_Module* module(int index);  // null out of range
    const Tvx_Module* module(int index) const;
    void getModuleNames(Tvx_StringArray& names) const;
    Tvx_Module* findModule(const Tvx_String& name);  // ignoring case; null when absent
    const Tvx_Module* findModule(const Tvx_String& name) const;

    // General variables live in the drawing; a macro outside a drawing has none and every
    // change fails.
    double generalVariableValue(const Tvx_String& name) const;  // 0 when absent
    bool findGeneralVariable(const Tvx_String& name, double& value) const;
    bool setGeneralVariable(const Tvx_String& name, double value);  // adds it when absent
    void getGeneralVariables(Tvx_StringArray& names) const;
    void attachGeneralVariables(Tvx_GeneralVariables* variables) { generalVariables_ = variables; }

    // The author's settings of the definition (standards mapping, filters, groups, ...).
    Tvx_MacroSettings& settings() { return settings_; }
    const Tvx_MacroSettings& settings() const { return settings_; }

  private:
    Tvx_String name_;
    std::vector<std::unique_ptr<Tvx_Module>> modules_;
    Tvx_GeneralVariables* generalVariables_ = nullptr;
    Tvx_MacroSettings settings_;
};
