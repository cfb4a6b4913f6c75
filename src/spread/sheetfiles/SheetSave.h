// SheetSave.h - saving a sheet together with the header and footer files its settings name,
// and updating the variable lists of a bill sheet's settings.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class Tvx_Spread;

// Saves the grid to `path`; then copies the header and footer files (and a ".bmp" of the same
// name beside each) into the sheet's folder and makes the stored names relative to it. False
// only when the grid could not be saved (the settings are then left alone).
bool saveSheetWithSettings(Tvx_Spread& spread, const Tvx_String& path);

// Where a stored header or footer name points: a name with a colon or a path separator is used
// as it is; otherwise (after a leading "..\" step, which moves one folder up) it is looked up in
// the sheet's folder, then in the settings folder. "" when no such file exists.
Tvx_String resolveSheetSideFile(const Tvx_String& storedName, const Tvx_String& sheetFolder);

// Replaces the varNames and varValues of the sheet's settings. False when the grid is not
// created.
bool setSheetVariables(Tvx_Spread& spread, const Tvx_StringArray& names,
                       const Tvx_StringArray& values);
