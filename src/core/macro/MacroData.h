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

    // Turns the host's view on the module; the drawing model has no views, so false.
    bool changeView(const Tvx_String& moduleName, int direction);
    // Writes every tab into the drawing again; true when a module was written.
    bool reApply();
    // Recomputes the macros through their connection standards (the installed
    // MacroStandardsCalculator) and refills the record; false when none is installed or it fails.
    bool loadFromStandards();

    // Property files (MacroPropertyFiles.cpp): the cell values of every tab, keyed
    // "<module>.<cell>", in a properties list below the library's "Macro Properties" folder.
    bool propListAllowed() const;
    // The folder, the extension (without dot), the files named after the first macro and all.
    bool getPropFiles(Tvx_String& folder, Tvx_String& extension, Tvx_StringArray& suitable,
                      Tvx_StringArray& all) const;
    // Takes the usable entries; `skipped` counts the others (unknown tab or cell, read-only
    // cell, a text for a number). False, record unchanged, when the file cannot be read.
    bool readFromFile(const Tvx_String& path, int& skipped);
    // Written atomically; false when it cannot be written.
    bool writeToFile(const Tvx_String& path) const;
};
