// MacroData.cpp - tab lookup, merged profile groups and differences of the macro dialog record.
#include "core/macro/MacroData.h"

int MacroData::findTab(const Tvx_String& moduleName) const {
    for (int i = 0; i < tabs.length(); ++i) {
        if (tabs[i].moduleName.equal(moduleName, false)) {
            return i;
        }
    }
    return -1;
}

MacroTabData* MacroData::getTab(int index) {
    return tabs.isValid(index) ? &tabs[index] : nullptr;
}

const MacroTabData* MacroData::getTab(int index) const {
    return tabs.isValid(index) ? &tabs[index] : nullptr;
}

bool MacroData::getMergedPropsOfGroup(const Tvx_String& moduleName, const Tvx_String& group,
                                      MacroProfData& data) const {
    const MacroTabData* tab = getTab(findTab(moduleName));
    return tab != nullptr && tab->getMergedPropsOfGroup(group, data);
}

bool MacroData::setMergedPropsOfGroup(const Tvx_String& moduleName, const Tvx_String& group,
                                      const MacroProfData& data) {
    MacroTabData* tab = getTab(findTab(moduleName));
    return tab != nullptr && tab->setMergedPropsOfGroup(group, data);
}

void MacroData::differences(const MacroData& before, Tvx_Array<Tvx_Array<int>>& changed,
                            Tvx_Array<Tvx_Array<int>>& changedPatterns) const {
    changed.removeAll();
    changedPatterns.removeAll();
    const MacroTabData empty;
    for (int i = 0; i < tabs.length(); ++i) {
        const MacroTabData* old = before.getTab(i);
        Tvx_StringArray names;
        Tvx_Array<int> cells, patterns;
        tabs[i].differences(old != nullptr ? *old : empty, names, cells, patterns);
        changed.append(cells);
        changedPatterns.append(patterns);
    }
}

bool MacroData::changeView(const Tvx_String&, int) {
    return false;
}

bool MacroData::reApply() {
    return false;
}

bool MacroData::loadFromStandards() {
    return false;
}

bool MacroData::propListAllowed() const {
    return false;
}

bool MacroData::getPropFiles(Tvx_String&, Tvx_String&, Tvx_StringArray&, Tvx_StringArray&) const {
    return false;
}

bool MacroData::readFromFile(const Tvx_String&, int& skipped) {
    skipped = 0;
    return false;
}

bool MacroData::writeToFile(const Tvx_String&) const {
    return false;
}
