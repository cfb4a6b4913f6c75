// SheetCache.h - the parsed standards sheets of this process. A standard runs again and again
// while its file rarely changes, so each file is parsed once and kept, with the plan of its
// Calc area, until the file changes; a calculation loads a fresh copy of it.
#pragma once

#include <memory>

#include "core/Tvx_String.h"

class OvCalcPlan;

// The kept version of the sheet file at `path` (its plan, which holds the sheet), read when
// the file is new or changed; null when the file is missing or is not a valid sheet.
std::shared_ptr<OvCalcPlan> keptSheet(const Tvx_String& path);

// Forgets every kept sheet.
void clearSheetCache();
