// CuttingStockFiles.h - the files of the cutting-stock sets: each set has a folder under the
// library's "Cutting Stock\\" folder holding its stock (".shp") and purchase (".buy") files, named
// "Stock" and a number. A file holds a version line and one line per row of a table.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

inline constexpr const wchar_t* kStockExtension = L"shp";
inline constexpr const wchar_t* kPurchaseExtension = L"buy";

// A set name usable as a folder name: not blank, not "." or "..", no path separator and none of
// the characters Windows refuses in names (the library folder is shared with Windows users).
bool isValidSetName(const Tvx_String& name);

// libDir + "Cutting Stock\\" + set name + "\\"; empty for a name that is not valid.
Tvx_String cuttingStockFolder(const Tvx_String& setName);

// The file of `folder` named "*." + `extension` with the latest modification time (full path);
// empty when there is none.
Tvx_String newestSetFile(const Tvx_String& folder, const Tvx_String& extension);

// One more than the largest N of the files "Stock" N "." `extension` in `folder` (1 when there is
// none); -1 for an extension that does not have 3 characters.
int nextStockNumber(const Tvx_String& folder, const Tvx_String& extension);
// "Stock" + nextStockNumber + "." + extension; empty for an extension of another length.
Tvx_String proposedStockName(const Tvx_String& folder, const Tvx_String& extension);
// The path a chosen save path is written to: its file name in lower case (the folder is kept as
// it is: folders are case-sensitive here).
Tvx_String loweredFileName(const Tvx_String& path);

// Writes the rows (atomically); false with `error` saying why, the file then unchanged.
bool writeSetFile(const Tvx_String& path, const Tvx_Array<Tvx_StringArray>& rows,
                  Tvx_String& error);
// Reads the rows of a set file; false with `error` naming the file, the line and the cause, and
// `rows` unchanged.
bool readSetFile(const Tvx_String& path, Tvx_Array<Tvx_StringArray>& rows, Tvx_String& error);
