// MacroData.cpp - tab lookup, merged profile groups and differences of the macro dialog record.
#include "core/macro/MacroData.h"

#include "core/macro/MacroDataServices.h"
#include "core/macro/MacroDataSync.h"

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

// The drawing model has no views: nothing to turn.
bool MacroData::changeView(const Tvx_String&, int) {
    return false;
}

// Places the macros again as the record describes them: every tab is written to the drawing.
bool MacroData::reApply() {
    Tvx_Array<Tvx_Array<int>> all;
    for (int i = 0; i < tabs.length(); ++i) {
        Tvx_Array<int> whole;
        whole.append(0);
        all.append(whole);
    }
    return setAllToMacro(*this, all, all);
}

bool MacroData::loadFromStandards() {
    const MacroStandardsCalculator& calculator = macroStandardsCalculator();
    return calculator && calculator(*this);
}
