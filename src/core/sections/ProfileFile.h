// ProfileFile.h - where profile tables (".pr") live and how their records split into shape,
// column names and rows. Shared by the section tables and the profile values table.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The header text of the system-name and active-flag columns.
inline constexpr const wchar_t* kSysNameColumn = L"SysName";
inline constexpr const wchar_t* kActiveColumn = L"I/O";

// A table name usable as a file name in the profile folder: not empty, no folder part, no
// characters a file name cannot hold, not "." or "..". Keeps callers inside "prof\\".
bool isValidProfileTableName(const Tvx_String& name);

// libDir + "prof\\" + name, with ".pr" appended unless the name already ends in it.
Tvx_String profileTablePath(const Tvx_String& libDir, const Tvx_String& name);

// Number of user-name columns for a header that still holds the "I/O" column: 5 when the entry
// at index 6 is "Korean", else 4. Headers without "I/O" pass koreanIndex 5.
int countLanguageColumns(const Tvx_StringArray& columnNames, int koreanIndex = 6);
