// MacroSettingsData.h - the record of the macro settings dialog: the macro's settings as the
// drawing keeps them, with the mapping part (TabMappingData) the standards-mapping tab edits.
// GetMacroSettings fills it from a macro of the drawing, SetMacroSettings writes it back.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/Tvx_DbMacro.h"
#include "core/macro/Tvx_MacroSettings.h"

// A mapping target naming a module starts with this; any other target is a mapping key.
inline const wchar_t* const kModuleTargetPrefix = L"Module.";

class TabMappingData {
  public:
    TabMappingData() = default;
    TabMappingData(const TabMappingData&) = default;
    TabMappingData& operator=(const TabMappingData&) = default;
    virtual ~TabMappingData() = default;

    // The mapping key of row `row` when that row still names `spreadsheet` (ignoring case) and
    // maps it to the entire macro; empty for a module target, a new row or another sheet.
    Tvx_String getMapping(const Tvx_String& spreadsheet, int row) const;

    Tvx_StringArray spreadsheets;  // one standards sheet a row, relative, without extension
    Tvx_StringArray targets;       // parallel: "Module." + module, or a mapping key
    Tvx_StringArray modules;       // the macro's modules offered as targets
    Tvx_DbMacro* macro = nullptr;  // the macro edited; the tab does nothing without it
};

class MacroSettingsData {
  public:
    MacroSettingsData() = default;
    MacroSettingsData(const MacroSettingsData&) = default;
    MacroSettingsData& operator=(const MacroSettingsData&) = default;
    virtual ~MacroSettingsData() = default;

    Tvx_String macroName;
    TabMappingData mapping;
    // The rest of the settings; its mapping lists are not used (see `mapping`).
    Tvx_MacroSettings other;
};

// Fills `data` from the macro; false (data unchanged) without a macro definition.
bool GetMacroSettings(Tvx_DbMacro* dbMacro, MacroSettingsData& data);
// Writes `data` into the macro; false (macro unchanged) without a macro definition or when
// the mapping lists differ in length.
bool SetMacroSettings(Tvx_DbMacro* dbMacro, const MacroSettingsData& data);
