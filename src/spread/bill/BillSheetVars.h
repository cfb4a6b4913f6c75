// BillSheetVars.h - the name/value pairs a bill sheet records about itself: its date, its title
// (taken from the file name) and its file name, in front of the caller's own pairs.
#pragma once

#include <ctime>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The file's name without folder and extension; when it holds "¿", only the part after the
// last "¿" ("Bill¿Frame A.ovs" -> "Frame A").
Tvx_String billTitleOf(const Tvx_String& outputFile);

// The local time as "05 March, 2024 (14:07)".
Tvx_String billDateText(std::time_t time);

// "Date", "Title", "BillFilename", then the caller's names; the values likewise.
void billSheetVars(const Tvx_String& outputFile, std::time_t time, const Tvx_StringArray& names,
                   const Tvx_StringArray& values, Tvx_StringArray& outNames,
                   Tvx_StringArray& outValues);
