// CalcMessages.h - the texts the standards calculation shows: the duplicate-names message
// (always shown) and the equation-failed warning (shown when calculation warnings are on).
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

inline const wchar_t* const kDuplicatesCaption = L"Variable names must be unique";

Tvx_String duplicateNamesText(const Tvx_String& ssFile, const Tvx_StringArray& duplicates);

// `left` is the variable of the equation (may be empty); `expression` as it stood at the
// failure; `row` the Calc cell's row.
Tvx_String equationFailedText(const Tvx_String& left, const Tvx_String& expression,
                              const Tvx_String& ssFile, int row);

// Shows the duplicate-names message whatever the warnings setting.
void showDuplicateNames(const Tvx_String& ssFile, const Tvx_StringArray& duplicates);
// Shows the equation-failed warning when the current document's calculation warnings are on.
void warnEquationFailed(const Tvx_String& left, const Tvx_String& expression,
                        const Tvx_String& ssFile, int row);
