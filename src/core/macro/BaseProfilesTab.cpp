// BaseProfilesTab.cpp - the base profiles of a macro as a profile tab, and writing them back.
#include "core/macro/BaseProfilesTab.h"

#include "core/macro/MacroDataSync.h"
#include "core/macro/OvCutOffsetType.h"
#include "core/macro/Tvx_Drawing.h"

namespace {

Tvx_String groupOf(const Tvx_Profile& profile, int index) {
    return profile.memberName.isEmpty() ? L"Profile " + Tvx_String::fromInt(index + 1)
                                        : profile.memberName;
}

}  // namespace

Acad::ErrorStatus buildDialogMacroData(const Tvx_DbMacro* dbMacro, MacroData& data) {
    MacroData built;
    if (buildMacroData(dbMacro, built) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    MacroTabData tab;
    tab.kind = 2;
    tab.moduleName = kBaseProfilesTab;
    tab.caption = L"Members";
    const AcArray<AcDbObjectId>& ids = dbMacro->baseProfileIds();
    for (int i = 0; i < ids.length(); ++i) {
        const Tvx_Profile* profile = openProfile(ids[i]);
        if (profile == nullptr) {
            continue;
        }
        MacroProfData prof;
        prof.groupName = groupOf(*profile, i);
        prof.memberName = profile->memberName;
        prof.sectionName = profile->sectionName;
        prof.material = profile->material;
        prof.offsetType = profile->offsetType;
        prof.rotation = profile->rotation;
        tab.profData.append(prof);
    }
    if (!tab.profData.isEmpty() && built.findTab(kBaseProfilesTab) < 0) {
        built.tabs.append(tab);
    }
    data = built;
    return Acad::eOk;
}

bool writeBaseProfilesTab(const MacroData& data) {
    const MacroTabData* tab = data.getTab(data.findTab(kBaseProfilesTab));
    if (tab == nullptr) {
        return false;
    }
    bool written = false;
    for (const AcDbObjectId& macroId : data.selectedIds) {
        const Tvx_DbMacro* dbMacro = openDbMacro(macroId);
        if (dbMacro == nullptr) {
            continue;
        }
        const AcArray<AcDbObjectId>& ids = dbMacro->baseProfileIds();
        for (int i = 0; i < ids.length(); ++i) {
            Tvx_Profile* profile = openProfile(ids[i]);
            MacroProfData merged;
            if (profile == nullptr || !tab->getMergedPropsOfGroup(groupOf(*profile, i), merged)) {
                continue;
            }
            if (!merged.sectionName.isEmpty()) {
                profile->sectionName = merged.sectionName;
            }
            if (!merged.material.isEmpty()) {
                profile->material = merged.material;
            }
            if (isValidCutOffsetType(merged.offsetType)) {
                profile->offsetType = merged.offsetType;
            }
            if (merged.rotation >= 0 && merged.rotation % 90 == 0 && merged.rotation < 360) {
                profile->rotation = merged.rotation;
            }
            written = true;
        }
    }
    return written;
}
