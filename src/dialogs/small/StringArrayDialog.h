// StringArrayDialog.h - the launcher of the string-array grid: a table of texts edited row by
// row, shown by CDlgStringArray.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The size key used when the caller gives no dialog name.
inline constexpr const wchar_t* kStringArrayDefaultKey = L"DLG_SS_STRINGARRAY";

// Edits `rows` in a grid with the columns `columnNames`. `rowNames` captions the rows (numbered
// when empty); `canAddRows` offers adding and deleting rows; `dialogName` is the key the size is
// remembered under ("DLG_SS_STRINGARRAY" when empty) and `title` the dialog's caption. False at
// once, without a dialog, when there are no column names; on OK the rows are replaced by the
// edited rows (each as wide as the columns).
bool startGridDialog(const Tvx_StringArray& columnNames, const Tvx_StringArray& rowNames,
                     Tvx_Array<Tvx_StringArray>& rows, bool canAddRows, Tvx_String dialogName,
                     Tvx_String title);
