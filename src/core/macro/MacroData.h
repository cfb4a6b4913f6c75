// MacroData.h - the record of the placed macros a macro dialog edits: selection, titles, group
// and second selectors, and one MacroTabData per tab. A plain copyable record; buildMacroData
// and UpdateModule (MacroDataSync.h) move data between it and the drawing.
#pragma once

#include "core/AcArray.h"
#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroTabData.h"
#include "host/AcDbObjectId.h"

class MacroData {
  public:
    virtual ~MacroData() = default;

    AcArray<AcDbObjectId> selectedIds;  // the macros (database objects) edited
    Tvx_String title;
    Tvx_StringArray groupKeys;
    Tvx_StringArray groupNames;
    int currentGroup = 0;
    Tvx_StringArray macroNames;
    Tvx_StringArray secondNames;
    int secondChoice = 0;
    Tvx_Array<MacroTabData> tabs;
    Tvx_String initialTab;
    bool applyAtStart = false;
    bool tempProfile = false;
    AcArray<AcDbObjectId> profileIds;
    bool closed = false;
    bool deferredClose = false;

    // Index of the tab whose module name equals `moduleName` ignoring case; -1 when none.
    int findTab(const Tvx_String& moduleName) const;
    MacroTabData* getTab(int index);  // null out of range
    const MacroTabData* getTab(int index) const;

    // The tab of `moduleName`, then its merged profile group; false when either is missing.
    bool getMergedPropsOfGroup(const Tvx_String& moduleName, const Tvx_String& group,
                               MacroProfData& data) const;
    bool setMergedPropsOfGroup(const Tvx_String& moduleName, const Tvx_String& group,
                               const MacroProfData& data);

    // Per tab, the index lists of MacroTabData::differences against `before` (a tab missing
    // there counts as wholly changed).
    void differences(const MacroData& before, Tvx_Array<Tvx_Array<int>>& changed,
                     Tvx_Array<Tvx_Array<int>>& changedPatterns) const;

    // Operations of the dialog frame that need host views, standards or property files. The
    // drawing model has no views and no property lists yet: they report that nothing was done.
    bool changeView(const Tvx_String& moduleName, int direction);
    bool reApply();
    bool loadFromStandards();
    bool propListAllowed() const;
    bool getPropFiles(Tvx_String& folder, Tvx_String& extension, Tvx_StringArray& suitable,
                      Tvx_StringArray& all) const;
    bool readFromFile(const Tvx_String& path, int& skipped);
    bool writeToFile(const Tvx_String& path) const;
};
