// MacroTabData.cpp - finders, merged profile groups, flex-fix buttons and differences of a tab.
#include "core/macro/MacroTabData.h"

namespace {

template <typename T>
T* byName(Tvx_Array<T>& items, const Tvx_String& name) {
    for (T& item : items) {
        if (item.name.equal(name, false)) {
            return &item;
        }
    }
    return nullptr;
}

template <typename T, typename Field>
void mergeField(T& merged, const T& value, Field field, const T& mixed) {
    if (merged.*field != value.*field) {
        merged.*field = mixed.*field;
    }
}

}  // namespace

MacroCellData* MacroTabData::findCellWithName(const Tvx_String& name) {
    return byName(cells, name);
}

MacroPatternProps* MacroTabData::findPatternWithName(const Tvx_String& name) {
    return byName(patterns, name);
}

MacroPatternProps* MacroTabData::findPatternWithBtnId(int ctrl) {
    for (MacroPatternProps& pattern : patterns) {
        if (pattern.btnCtrl == ctrl) {
            return &pattern;
        }
    }
    return nullptr;
}

MacroProfData* MacroTabData::findProfDataWithGroup(const Tvx_String& group) {
    for (MacroProfData& data : profData) {
        if (data.groupName.equal(group, false)) {
            return &data;
        }
    }
    return nullptr;
}

DynArrayData* MacroTabData::findArrayWithName(const Tvx_String& name) {
    return byName(arrays, name);
}

DynArrayData* MacroTabData::findArrayWithBtnId(int ctrl) {
    for (DynArrayData& array : arrays) {
        if (array.btnCtrl == ctrl) {
            return &array;
        }
    }
    return nullptr;
}

MacroCutData* MacroTabData::findCutWithName(const Tvx_String& name) {
    return byName(cuts, name);
}

void MacroTabData::getProfGroups(Tvx_StringArray& groups) const {
    groups.removeAll();
    for (const MacroProfData& data : profData) {
        groups.appendUnique(data.groupName, false);
    }
}

bool MacroTabData::getMergedPropsOfGroup(const Tvx_String& group, MacroProfData& merged) const {
    MacroProfData mixed;
    mixed.offsetType = mixed.rotation = mixed.basePlane = -1;
    bool found = false;
    for (const MacroProfData& data : profData) {
        if (!data.groupName.equal(group, false)) {
            continue;
        }
        if (!found) {
            merged = data;
            found = true;
            continue;
        }
        mergeField(merged, data, &MacroProfData::memberName, mixed);
        mergeField(merged, data, &MacroProfData::sectionName, mixed);
        mergeField(merged, data, &MacroProfData::material, mixed);
        mergeField(merged, data, &MacroProfData::offsetType, mixed);
        mergeField(merged, data, &MacroProfData::rotation, mixed);
        mergeField(merged, data, &MacroProfData::basePlane, mixed);
        merged.morphed = merged.morphed || data.morphed;
    }
    return found;
}

bool MacroTabData::setMergedPropsOfGroup(const Tvx_String& group, const MacroProfData& data) {
    bool found = false;
    for (MacroProfData& profile : profData) {
        if (!profile.groupName.equal(group, false)) {
            continue;
        }
        found = true;
        if (!data.memberName.isEmpty()) {
            profile.memberName = data.memberName;
        }
        if (!data.sectionName.isEmpty()) {
            profile.sectionName = data.sectionName;
        }
        if (!data.material.isEmpty()) {
            profile.material = data.material;
        }
        if (data.offsetType >= 0) {
            profile.offsetType = data.offsetType;
        }
        if (data.rotation >= 0) {
            profile.rotation = data.rotation;
        }
        if (data.basePlane >= 0) {
            profile.basePlane = data.basePlane;
        }
    }
    return found;
}

bool MacroTabData::hasBtnFlexFix(const Tvx_String& group) const {
    for (const MacroFlexFixData& button : flexFix) {
        if (button.group.equal(group, false)) {
            return true;
        }
    }
    return false;
}

bool MacroTabData::getFlexFixBtnStatus(const Tvx_String& variable, bool& fixed,
                                       bool& flexible) const {
    for (const MacroFlexFixData& button : flexFix) {
        if (button.variable.equal(variable, false)) {
            flexible = button.flexible;
            fixed = !button.flexible;
            return true;
        }
    }
    return false;
}

bool MacroTabData::flexFixBtnClicked(const Tvx_String& variable, bool makeFlexible) {
    int index = -1;
    for (int i = 0; i < flexFix.length(); ++i) {
        if (flexFix[i].variable.equal(variable, false)) {
            index = i;
            break;
        }
    }
    if (index < 0 || flexFix[index].flexible == makeFlexible) {
        return false;
    }
    const Tvx_String group = flexFix[index].group;
    flexFix[index].flexible = makeFlexible;
    if (makeFlexible) {
        for (int i = 0; i < flexFix.length(); ++i) {
            if (i != index && flexFix[i].group.equal(group, false)) {
                flexFix[i].flexible = false;
            }
        }
        return true;
    }
    // The next button of the group (wrapping round) takes over the flexibility.
    for (int step = 1; step < flexFix.length(); ++step) {
        MacroFlexFixData& next = flexFix[(index + step) % flexFix.length()];
        if (next.group.equal(group, false)) {
            next.flexible = true;
            break;
        }
    }
    return true;
}

bool MacroTabData::flexFixBtnClicked(const Tvx_String& group, const Tvx_String& name, int status) {
    if (status != 0 && status != 1) {
        return false;
    }
    for (const MacroFlexFixData& button : flexFix) {
        if (button.group.equal(group, false) && button.variable.equal(name, false)) {
            return flexFixBtnClicked(name, status == 1);
        }
    }
    return false;
}

void MacroTabData::removeAllDlgReferences() {
    for (MacroCellData& cell : cells) {
        cell.ctrl = 0;
    }
    for (MacroPatternProps& pattern : patterns) {
        pattern.nameCtrl = pattern.countCtrl = pattern.btnCtrl = 0;
    }
    boltData.ctrl = 0;
    for (MacroProfData& data : profData) {
        data.ctrl = 0;
    }
    for (DynArrayData& array : arrays) {
        array.nameCtrl = array.btnCtrl = 0;
    }
    for (MacroCutData& cut : cuts) {
        cut.ctrl = 0;
    }
    for (MacroFlexFixData& button : flexFix) {
        button.ctrl = 0;
    }
    blockCtrl = 0;
}

void MacroTabData::differences(const MacroTabData& before, Tvx_StringArray& names,
                               Tvx_Array<int>& changed, Tvx_Array<int>& changedPatterns) const {
    names.removeAll();
    changed.removeAll();
    changedPatterns.removeAll();
    for (int i = 0; i < cells.length(); ++i) {
        if (!before.cells.isValid(i) || !(before.cells[i] == cells[i])) {
            names.append(cells[i].name);
            changed.append(i);
        }
    }
    for (int i = 0; i < patterns.length(); ++i) {
        if (!before.patterns.isValid(i) || !(before.patterns[i] == patterns[i])) {
            names.append(patterns[i].name);
            changedPatterns.append(i);
        }
    }
    if (hasBoltData != before.hasBoltData || !(boltData == before.boltData)) {
        changed.append(kDiffBoltData);
    }
    if (!(cuts == before.cuts)) {
        changed.append(kDiffCuts);
    }
    if (caption != before.caption || templatePath != before.templatePath ||
        blockName != before.blockName || blockFolder != before.blockFolder) {
        changed.append(kDiffPresentation);
    }
    if (!(profData == before.profData)) {
        changed.append(kDiffProfData);
    }
    if (!(flexFix == before.flexFix)) {
        changed.append(kDiffFlexFix);
    }
    if (!(arrays == before.arrays)) {
        changed.append(kDiffArrays);
    }
}
