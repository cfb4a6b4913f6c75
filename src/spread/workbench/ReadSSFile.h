// ReadSSFile.h - the exported sheet reader and the one-cell evaluation behind EvaluateSS, both
// run by a hidden formula workbench.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// Reads a sheet's texts as shown: the text of cell (1, 1), the column headers and one list per
// row over all columns. The lists are emptied first; a sheet that cannot be loaded reads as an
// empty one. False when the file could not be loaded.
bool ReadSSFile(const Tvx_String& path, Tvx_String& firstCell, Tvx_StringArray& headers,
                Tvx_Array<Tvx_StringArray>& rows);
// The same, with the reason (file and cause) in `error` when the sheet does not load.
bool ReadSSFile(const Tvx_String& path, Tvx_String& firstCell, Tvx_StringArray& headers,
                Tvx_Array<Tvx_StringArray>& rows, Tvx_String* error);

// Loads the sheet, recalculates the cell and gives its value. False when the sheet could not be
// loaded (`result` is then the cell's text in the empty start-up sheet, "").
bool evaluateSheetCell(const Tvx_String& path, int col, int row, Tvx_String& result);

// The fixed test sheet EvaluateSS evaluates: "EvaluateSS.ovs" in the application folder.
Tvx_String evaluateSSTestFile();
// EvaluateSS's job: cell (1, 1) of the test sheet.
bool evaluateSSTestCell(Tvx_String& result);
