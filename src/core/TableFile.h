// TableFile.h - table files: a sequence of records, each a list of text fields (the profile
// tables and other tabular data of the library).
//
// Format (UTF-8, human readable): the first line is "#ovss-table 1"; then one line per record,
// its fields separated by TAB. Inside a field "\\" is written "\\\\", TAB "\\t", line feed "\\n"
// and carriage return "\\r"; a record of one empty field is the line "\\e" and a record without
// fields an empty line. Every text, empty fields included, reads back exactly as written.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

using Tvx_TableRecords = Tvx_Array<Tvx_StringArray>;

// Reads all records into `rows` (replaced only on success); `typeName` receives the file's base
// name (no folder, no extension), the name callers know a table by. False, with both arguments
// unchanged, when the file is missing or is not a table file.
bool readFile(const Tvx_String& path, Tvx_String& typeName, Tvx_TableRecords& rows);
bool readFile(const Tvx_String& path, Tvx_TableRecords& rows);

// Writes the records atomically; false (old file intact) when the file cannot be written.
bool writeFile(const Tvx_String& path, const Tvx_TableRecords& rows);

// The text form of the records and its parser, for callers that embed a table elsewhere.
Tvx_String encodeTable(const Tvx_TableRecords& rows);
bool decodeTable(const Tvx_String& text, Tvx_TableRecords& rows);

// One field escaped for a TAB-separated line, and back (false on an unknown escape).
Tvx_String escapeField(const Tvx_String& field);
bool unescapeField(const Tvx_String& text, Tvx_String& field);
