// TextFile.h - whole text files and line files. Text files are written as UTF-8 (no byte-order
// mark); on reading a BOM is accepted and bytes that are not valid UTF-8 are read as
// Windows-1252, so files from older versions still open. Writes are atomic.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

bool readTextFile(const Tvx_String& path, Tvx_String& text);
bool writeTextFile(const Tvx_String& path, const Tvx_String& text);
// The Windows-1252 byte form (the ".ovd" settings file); characters outside it become '?'.
bool writeTextFileWindows1252(const Tvx_String& path, const Tvx_String& text);

// Splits text into lines at "\n", "\r\n" or "\r"; a final line break does not start a new line.
Tvx_StringArray splitLines(const Tvx_String& text);

// A file as a list of lines. Reading replaces `lines` only on success. Writing puts "\n" after
// every line; a line that itself holds a line break comes back as several lines.
bool ObjectExportReadFile(const Tvx_String& path, Tvx_StringArray& lines);
bool ObjectExportWriteFile(const Tvx_String& path, const Tvx_StringArray& lines);
