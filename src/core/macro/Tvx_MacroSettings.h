// Tvx_MacroSettings.h - the settings a macro's author gives a macro definition, kept with the
// macro in the drawing: which standards spreadsheets feed it (the whole macro under a mapping
// key, or one module), its filters, property filters, macro variables, variable groups, and the
// equations and commands of the definition. Tables are rows of texts; their columns are the
// editor's (see macrodlg/edit/MacroSettingsData.h).
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

using Tvx_TextTable = Tvx_Array<Tvx_StringArray>;

struct Tvx_MacroSettings {
    // Parallel lists: a spreadsheet name (relative to the standards folder, no extension) and
    // its target, "Module." + module name or the key of a line of the sheet's mapping file.
    Tvx_StringArray mapSpreadsheets;
    Tvx_StringArray mapTargets;

    Tvx_TextTable filters;          // angle of the axis: filter, minimum, maximum
    Tvx_TextTable sectionFilters;   // angle and size of the section: filter, minimum, maximum
    Tvx_TextTable propertyFilters;  // property, value
    Tvx_TextTable variables;        // name, value, description
    Tvx_TextTable groups;           // group, variables (comma separated)
    Tvx_StringArray equations;      // one equation a line ("Gap = Thickness / 2")
    Tvx_StringArray commands;       // one command a line

    // The mapping target stored for `spreadsheet` (ignoring case), the first row's; false when
    // the macro has no row for it.
    bool findMapping(const Tvx_String& spreadsheet, Tvx_String& target) const;
};

bool operator==(const Tvx_MacroSettings& a, const Tvx_MacroSettings& b);
