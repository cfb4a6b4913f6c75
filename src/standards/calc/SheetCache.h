// SheetCache.h - loading a standards sheet into a calculation grid. A standard runs again and
// again while its file rarely changes, so each file is parsed once and kept (with the plan of
// its Calc area) until the file changes; every load hands out a fresh copy of the sheet.
#pragma once

#include <memory>

#include "core/Tvx_String.h"

class TSpread;
class OvCalcPlan;

// Loads the sheet file at `path` into the spread's grid; false (grid unchanged) when the file
// is missing or is not a valid sheet. `plan`, when given, receives the Calc plan shared by
// every calculation of this version of the file.
bool loadSheetCached(TSpread& spread, const Tvx_String& path,
                     std::shared_ptr<OvCalcPlan>* plan = nullptr);

// Forgets every kept sheet.
void clearSheetCache();
