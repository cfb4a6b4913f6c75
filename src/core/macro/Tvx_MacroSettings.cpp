// Tvx_MacroSettings.cpp - lookup and comparison of a macro's settings.
#include "core/macro/Tvx_MacroSettings.h"

bool Tvx_MacroSettings::findMapping(const Tvx_String& spreadsheet, Tvx_String& target) const {
    const int index = mapSpreadsheets.find(spreadsheet, false);
    if (index < 0 || index >= mapTargets.length()) {
        return false;
    }
    target = mapTargets[index];
    return true;
}

bool operator==(const Tvx_MacroSettings& a, const Tvx_MacroSettings& b) {
    return a.mapSpreadsheets == b.mapSpreadsheets && a.mapTargets == b.mapTargets &&
           a.filters == b.filters && a.sectionFilters == b.sectionFilters &&
           a.propertyFilters == b.propertyFilters && a.variables == b.variables &&
           a.groups == b.groups && a.equations == b.equations && a.commands == b.commands;
}
