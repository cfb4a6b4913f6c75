// SheetSetup.h - initialising a sheet from named settings: the grid switches every settings
// sheet has, the layout of a new sheet, the settings tag and the fonts the settings name.
#pragma once

#include "core/Tvx_String.h"
#include "spread/sheetfiles/OvSSSettings.h"

class Tvx_Spread;

// The settings of a name: its ".ovd" file; when that cannot be read, the file named by the
// registry's "Default Settings"; when neither can, the defaults. Always valid afterwards.
// Returns false when the defaults had to be used.
bool resolveSheetSettings(const Tvx_String& settingsName, OvSSSettings& settings);

// Initialises a created grid from the settings `settingsName`. A new sheet also gets its first
// layout: 6 columns, 11 rows and edit cells. The settings used are put in the tag of cell (0, 0)
// and, when `applied` is given, returned there. False when the grid is not created.
bool initSheetFromSettings(Tvx_Spread& spread, const Tvx_String& settingsName, bool newSheet,
                           OvSSSettings* applied = nullptr);
