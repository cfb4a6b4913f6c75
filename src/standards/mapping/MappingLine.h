// MappingLine.h - the text form of the mapping file: its header line, and the key and entries of
// one line (key + "=" + entries joined by "¿", each entry ssVar + "ƒ" + mapping text).
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

inline constexpr wchar_t kMappingKeySeparator = L'=';
inline constexpr wchar_t kMappingEntrySeparator = L'\u00BF';  // ¿
inline constexpr wchar_t kMappingVarSeparator = L'\u0192';    // ƒ
inline const wchar_t* const kMappingFileHeader = L"Mapping version 1.0";

// A first line naming both "Mapping" and "version" is the header, whatever its version number.
bool isMappingHeader(const Tvx_String& line);
// The lines of a mapping file without its header line.
Tvx_StringArray mappingLinesOf(const Tvx_StringArray& fileLines);

// The text before the first "=" (empty for a line without one).
Tvx_String mappingLineKey(const Tvx_String& line);
// The keys of all lines, in line order.
Tvx_StringArray mappingLineKeys(const Tvx_StringArray& lines);
// The text after the first "="; false for a line without one.
bool mappingLineEntries(const Tvx_String& line, Tvx_String& entries);
// The entries of a line, blanks around each removed.
Tvx_StringArray splitMappingEntries(const Tvx_String& entries);
// An entry's variable and mapping text (blanks around each removed); false without "ƒ".
bool splitMappingEntry(const Tvx_String& entry, Tvx_String& ssVar, Tvx_String& mappingText);

// The entry text, and whether the line format keeps it apart from its neighbours: no entry
// separator, no "ƒ" in the variable, no line break, no blanks around the variable.
Tvx_String composeMappingEntry(const Tvx_String& ssVar, const Tvx_String& mappingText);
bool entryReadsBack(const Tvx_String& ssVar, const Tvx_String& mappingText);
// A key the line format can hold: no "=" and no line break.
bool isStorableMappingKey(const Tvx_String& key);
