// MacroSettingsData.cpp - the settings record and its exchange with a macro of the drawing.
#include "macrodlg/edit/MacroSettingsData.h"

Tvx_String TabMappingData::getMapping(const Tvx_String& spreadsheet, int row) const {
    if (row < 0 || row >= spreadsheets.length() || row >= targets.length() ||
        !spreadsheets[row].equal(spreadsheet, false)) {
        return {};
    }
    const Tvx_String& target = targets[row];
    return target.startsWith(kModuleTargetPrefix, true) ? Tvx_String() : target;
}

bool GetMacroSettings(Tvx_DbMacro* dbMacro, MacroSettingsData& data) {
    const Tvx_Macro* macro = dbMacro != nullptr ? dbMacro->macro() : nullptr;
    if (macro == nullptr) {
        return false;
    }
    MacroSettingsData filled;
    filled.macroName = macro->name();
    filled.other = macro->settings();
    filled.mapping.spreadsheets = macro->settings().mapSpreadsheets;
    filled.mapping.targets = macro->settings().mapTargets;
    // Rows written by hand may lack a target; the lists stay parallel.
    while (filled.mapping.targets.length() < filled.mapping.spreadsheets.length()) {
        filled.mapping.targets.append(Tvx_String());
    }
    filled.other.mapSpreadsheets.removeAll();
    filled.other.mapTargets.removeAll();
    macro->getModuleNames(filled.mapping.modules);
    filled.mapping.macro = dbMacro;
    data = filled;
    return true;
}

bool SetMacroSettings(Tvx_DbMacro* dbMacro, const MacroSettingsData& data) {
    Tvx_Macro* macro = dbMacro != nullptr ? dbMacro->macroWrite() : nullptr;
    if (macro == nullptr || data.mapping.spreadsheets.length() != data.mapping.targets.length()) {
        return false;
    }
    Tvx_MacroSettings settings = data.other;
    settings.mapSpreadsheets = data.mapping.spreadsheets;
    settings.mapTargets = data.mapping.targets;
    macro->settings() = settings;
    return true;
}
