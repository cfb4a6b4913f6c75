// BoltDetailRules.h - what OK of the bolt detail dialog checks: every active bolt entry needs a
// count and a spacing that are numbers above 0; inactive entries are not looked at.
#pragma once

#include "core/Tvx_String.h"
#include "core/macro/MacroRecords.h"

// Index of the first active entry whose count or spacing is not a number above 0; -1 when all
// active entries are valid.
int findInvalidBoltEntry(const MacroBoltDetails& details);

// The warning for entry `index` (shown as index + 1): texts 1000, the number, 1001, then 888.
Tvx_String invalidBoltEntryMessage(int index);
// The caption of that warning.
Tvx_String invalidBoltEntryCaption();

// The text of the entry in the entry list: text 999, " nr: " and index + 1.
Tvx_String boltEntryLabel(int index);
