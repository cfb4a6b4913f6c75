// MacroDataSync.cpp - building the macro dialog record from a placed macro and writing tabs back.
#include "core/macro/MacroDataSync.h"

#include <cmath>

#include "core/macro/BaseProfilesTab.h"
#include "core/macro/Tvx_Drawing.h"

namespace {

Tvx_String numberText(double value) {
    return Tvx_String(value, 8, false);
}

MacroTabData buildTab(const Tvx_Module& module) {
    MacroTabData tab;
    tab.kind = module.type() == kBoltModuleType ? 1 : module.type() == kProfileModuleType ? 2 : 0;
    tab.moduleName = module.groupKey();
    tab.caption = module.groupKey();
    tab.templatePath = module.templatePath();
    for (const Tvx_DialogVariable& variable : module.variables()) {
        MacroCellData cell;
        cell.name = cell.displayName = variable.name;
        cell.value = numberText(variable.value);
        cell.readOnly = !variable.settable;
        tab.cells.append(cell);
        if (!variable.flexGroup.isEmpty()) {
            tab.flexFix.append({variable.flexGroup, variable.name, variable.flexible, 0});
        }
    }
    for (const Tvx_Cut& cut : module.cuts()) {
        MacroCutData data;
        data.name = cut.name;
        data.number = Tvx_String::fromInt(cut.kind);
        tab.cuts.append(data);
    }
    if (const auto* bolts = dynamic_cast<const Tvx_BoltModule*>(&module)) {
        const Tvx_BoltData& bolt = bolts->boltData();
        tab.hasBoltData = true;
        tab.boltData.assembly = bolt.assembly;
        tab.boltData.diameter = numberText(bolt.diameter);
        tab.boltData.holeOffset = numberText(bolt.holeOffset);
        tab.boltData.length = numberText(bolt.length);
        tab.boltData.grade = bolt.grade;
        for (const Tvx_BoltPattern& pattern : bolts->patterns()) {
            MacroPatternProps props;
            props.name = pattern.name;
            props.typeCode = pattern.typeCode;
            props.count1 = Tvx_String::fromInt(pattern.nrBolts1);
            props.count2 = Tvx_String::fromInt(pattern.nrBolts2);
            props.reverseStart1 = pattern.reverseStart1;
            props.reverseStart2 = pattern.reverseStart2;
            props.alternation = pattern.alternation;
            tab.boltData.count +=
                pattern.nrBolts1 * (pattern.hasSecondDirection() ? pattern.nrBolts2 : 1);
            tab.patterns.append(props);
        }
    }
    if (const auto* profiles = dynamic_cast<const Tvx_ProfileModule*>(&module)) {
        for (const Tvx_Profile& profile : profiles->profiles()) {
            MacroProfData data;
            data.groupName = data.memberName = profile.memberName;
            data.sectionName = profile.sectionName;
            data.material = profile.material;
            data.offsetType = profile.offsetType;
            data.rotation = profile.rotation;
            tab.profData.append(data);
        }
    }
    return tab;
}

bool parseNumber(const Tvx_String& text, double& value) {
    if (!text.isNumber()) {
        return false;
    }
    value = text.toDouble();
    return std::isfinite(value);
}

void writeTab(const MacroTabData& tab, Tvx_Module& module) {
    for (const MacroCellData& cell : tab.cells) {
        Tvx_DialogVariable* variable = module.findVariable(cell.name);
        double value = 0.0;
        if (variable != nullptr && variable->settable && parseNumber(cell.value, value)) {
            variable->value = value;
        }
    }
    for (const MacroFlexFixData& button : tab.flexFix) {
        if (Tvx_DialogVariable* variable = module.findVariable(button.variable)) {
            variable->flexible = button.flexible;
        }
    }
    if (auto* bolts = dynamic_cast<Tvx_BoltModule*>(&module)) {
        for (const MacroPatternProps& props : tab.patterns) {
            Tvx_BoltPattern* pattern = bolts->findPattern(props.name);
            if (pattern == nullptr) {
                continue;
            }
            if (props.getCount() > 0) {
                pattern->nrBolts1 = props.getCount();
            }
            if (pattern->hasSecondDirection() && props.getCount2() > 0) {
                pattern->nrBolts2 = props.getCount2();
            }
            pattern->reverseStart1 = props.reverseStart1;
            pattern->reverseStart2 = props.reverseStart2;
            if (props.alternation >= 1 && props.alternation <= 5) {
                pattern->alternation = props.alternation;
            }
        }
        if (const MacroBoltData* data = tab.getBoltData()) {
            Tvx_BoltData& bolt = bolts->boltData();
            bolt.assembly = data->assembly;
            bolt.grade = data->grade;
            parseNumber(data->diameter, bolt.diameter);
            parseNumber(data->holeOffset, bolt.holeOffset);
            parseNumber(data->length, bolt.length);
        }
    }
    if (auto* profiles = dynamic_cast<Tvx_ProfileModule*>(&module)) {
        for (Tvx_Profile& profile : profiles->profiles()) {
            MacroProfData merged;
            if (!tab.getMergedPropsOfGroup(profile.memberName, merged) ||
                profile.memberName.isEmpty()) {
                continue;
            }
            if (!merged.sectionName.isEmpty()) {
                profile.sectionName = merged.sectionName;
            }
            if (!merged.material.isEmpty()) {
                profile.material = merged.material;
            }
            if (isValidCutOffsetType(merged.offsetType)) {
                profile.offsetType = merged.offsetType;
            }
            if (merged.rotation >= 0 && merged.rotation % 90 == 0 && merged.rotation < 360) {
                profile.rotation = merged.rotation;
            }
            if (!merged.memberName.isEmpty()) {
                profile.memberName = merged.memberName;  // last: it is the group key
            }
        }
    }
}

}  // namespace

Acad::ErrorStatus buildMacroData(const Tvx_DbMacro* dbMacro, MacroData& data) {
    const Tvx_Macro* macro = dbMacro != nullptr ? dbMacro->macro() : nullptr;
    if (macro == nullptr) {
        return Acad::eInvalidInput;
    }
    MacroData built;
    built.selectedIds.append(dbMacro->id());
    built.title = macro->name();
    built.macroNames.append(macro->name());
    built.profileIds = dbMacro->baseProfileIds();
    for (int i = 0; i < macro->moduleCount(); ++i) {
        const Tvx_Module& module = *macro->module(i);
        if (built.findTab(module.groupKey()) < 0) {
            built.tabs.append(buildTab(module));
        }
    }
    if (!built.tabs.isEmpty()) {
        built.initialTab = built.tabs[0].moduleName;
    }
    data = built;
    return Acad::eOk;
}

bool UpdateModule(const Tvx_String& moduleName, MacroData& data, const Tvx_Array<int>&,
                  const Tvx_Array<int>&) {
    const MacroTabData* tab = data.getTab(data.findTab(moduleName));
    if (tab == nullptr) {
        return false;
    }
    if (moduleName.equal(kBaseProfilesTab, false)) {
        return writeBaseProfilesTab(data);
    }
    bool written = false;
    for (const AcDbObjectId& id : data.selectedIds) {
        Tvx_DbMacro* dbMacro = openDbMacro(id);
        Tvx_Macro* macro = dbMacro != nullptr ? dbMacro->macroWrite() : nullptr;
        for (int i = 0; macro != nullptr && i < macro->moduleCount(); ++i) {
            if (macro->module(i)->groupKey().equal(moduleName, false)) {
                writeTab(*tab, *macro->module(i));
                written = true;
            }
        }
    }
    return written;
}

bool setAllToMacro(MacroData& data, const Tvx_Array<Tvx_Array<int>>& changed,
                   const Tvx_Array<Tvx_Array<int>>& changedPatterns) {
    bool written = false;
    for (int i = 0; i < data.tabs.length(); ++i) {
        const bool cellsChanged = changed.isValid(i) && !changed[i].isEmpty();
        const bool patternsChanged = changedPatterns.isValid(i) && !changedPatterns[i].isEmpty();
        if (cellsChanged || patternsChanged) {
            const Tvx_String moduleName = data.tabs[i].moduleName;
            written =
                UpdateModule(moduleName, data, changed.isValid(i) ? changed[i] : Tvx_Array<int>(),
                             changedPatterns.isValid(i) ? changedPatterns[i] : Tvx_Array<int>()) ||
                written;
        }
    }
    return written;
}

void removeAll(Tvx_Array<Tvx_Array<int>>& lists, int value) {
    for (Tvx_Array<int>& list : lists) {
        while (list.remove(value)) {
        }
    }
}
