// SheetCache.h - loading a standards sheet into a calculation grid.
#pragma once

#include "core/Tvx_String.h"

class TSpread;

// Loads the sheet file at `path` into the spread's grid; false (grid unchanged) when the file
// is missing or is not a valid sheet.
bool loadSheetCached(TSpread& spread, const Tvx_String& path);
