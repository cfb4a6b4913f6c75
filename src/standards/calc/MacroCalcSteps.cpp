// MacroCalcSteps.cpp - steps shared by the macro-mode jobs of the ovss tool.
#include "standards/calc/MacroCalcSteps.h"

#include "core/StringHelpers.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Macro.h"
#include "standards/calc/CalcCommandSupport.h"
#include "standards/mapping/MappingFileCheck.h"

namespace ovcalc {

bool addGeneralVariables(const std::vector<std::string>& arguments, OvDlgStandardsData& data,
                         std::ostream& err) {
    for (const std::string& argument : arguments) {
        Tvx_String name;
        Tvx_String value;
        if (!splitAssignment(argument, name, value)) {
            err << "error: --gen expects NAME=VALUE, got \"" << argument << "\"\n";
            return false;
        }
        const int existing = data.genVarNames.find(name, true);
        if (existing >= 0) {
            data.genVarValues[existing] = value;
        } else {
            data.genVarNames.append(name);
            data.genVarValues.append(value);
        }
    }
    return true;
}

void printProblems(const OvCalcProblems& problems, std::ostream& err, const std::string& prefix) {
    for (const OvCalcProblem& problem : problems) {
        err << "problem: " << prefix << problem.describe().toUtf8() << "\n";
    }
}

// The module groups of a macro (a module without a group stands for itself), in module order.
Tvx_StringArray moduleGroupsOf(const Tvx_Macro& macro) {
    Tvx_StringArray groups;
    for (int i = 0; i < macro.moduleCount(); ++i) {
        const Tvx_Module* module = macro.module(i);
        if (module == nullptr) {
            continue;
        }
        const Tvx_String group =
            module->groupName().isEmpty() ? module->name() : module->groupName();
        if (groups.find(group, false) < 0) {
            groups.append(group);
        }
    }
    return groups;
}

// The calculation writes dialog variables and cuts straight into the macro, but bolt data and
// pattern counts into the macro's dialog record. This carries the latter into the drawing
// without letting the record's older variable values overwrite the new ones: a fresh record
// (with the new values) takes the bolt blocks and patterns and is written back.
bool writeBoltRecordsToMacro(Tvx_DbMacro* dbMacro, const MacroData& computed) {
    MacroData fresh;
    if (buildMacroData(dbMacro, fresh) != Acad::eOk) {
        return false;
    }
    Tvx_Array<Tvx_Array<int>> changed;
    Tvx_Array<Tvx_Array<int>> changedPatterns;
    for (int i = 0; i < fresh.tabs.length(); ++i) {
        MacroTabData& tab = fresh.tabs[i];
        Tvx_Array<int> marks;
        for (const MacroTabData& source : computed.tabs) {
            if (source.moduleName.equal(tab.moduleName, false)) {
                tab.patterns = source.patterns;
                tab.hasBoltData = source.hasBoltData;
                tab.boltData = source.boltData;
                marks.append(0);
            }
        }
        changed.append(marks);
        changedPatterns.append(marks);
    }
    setAllToMacro(fresh, changed, changedPatterns);
    return true;
}

// What --module names: "Module." + a group of the macro, a key of the standard's mapping file
// (found by the engine's own rule, MappingFileCheck), or a module group's bare name. False with
// the reason when it is none of them or the mapping it names cannot be used.
bool moduleNameOf(const std::string& module, const Tvx_Macro& macro, const Tvx_String& standard,
                  Tvx_String& moduleName, Tvx_String& reason) {
    const Tvx_String name = Tvx_String::fromUtf8(module);
    const Tvx_StringArray groups = moduleGroupsOf(macro);
    const Tvx_String groupList = groups.isEmpty() ? Tvx_String(L"none") : arrToStr(groups, L", ");
    if (name.startsWith(kModuleGroupPrefix, true)) {
        const Tvx_String group = moduleGroupOf(name);
        if (groups.find(group, false) < 0) {
            reason = L"the macro has no module group \"" + shortenedText(group, 60) +
                     L"\" (its groups: " + groupList + L")";
            return false;
        }
        moduleName = name;
        return true;
    }
    Tvx_StringArray keys;
    Tvx_String keysReason;
    const bool keysRead = readMappingKeys(standard, keys, keysReason);
    if (keysRead && keys.find(name, true) >= 0) {
        moduleName = name;
        return checkMappingFile(standard, name, reason);
    }
    const int group = groups.find(name, false);
    if (group >= 0) {
        moduleName = Tvx_String(kModuleGroupPrefix) + groups[group];
        return true;
    }
    reason = L"\"" + shortenedText(name, 60) +
             L"\" is neither a module group of the macro (its groups: " + groupList +
             L") nor a mapping key: ";
    Tvx_String mappingReason;
    checkMappingFile(standard, name, mappingReason);
    reason += mappingReason;
    return false;
}

void addMacroGeneralVariables(const Tvx_Macro& macro, OvDlgStandardsData& data) {
    Tvx_StringArray names;
    macro.getGeneralVariables(names);
    for (const Tvx_String& name : names) {
        data.genVarNames.append(name);
        data.genVarValues.append(Tvx_String(macro.generalVariableValue(name), 8, false));
    }
}

}  // namespace ovcalc
