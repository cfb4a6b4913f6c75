// ArrayDetailRules.h - the model side of the array dialog: the two alternation combos (an empty
// choice, held as -1, is their last item) and what OK writes into the record.
#pragma once

#include "core/Tvx_StringArray.h"
#include "core/macro/MacroRecords.h"

// Items of the side combo: texts 1071, 1072 and 695 (no choice, item 2).
Tvx_StringArray arraySideItems();
// Items of the step combo: texts 1071 to 1074 and 695 (no choice, item 4).
Tvx_StringArray arrayStepItems();

// Stored value <-> combo item. Values out of range count as no choice.
int arraySideToItem(int value);
int arraySideFromItem(int item);
int arrayStepToItem(int value);
int arrayStepFromItem(int item);

// Writes the edited rows and options into the record: rows are padded or cut to five columns,
// the entries list becomes the rows' first column, a skip count below 0 becomes 0.
void storeArrayDetails(DynArrayData& data, const DynArrayDetails& edited);
