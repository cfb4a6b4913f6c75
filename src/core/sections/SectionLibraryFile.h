// SectionLibraryFile.h - the library's own file of section groups and types.
//
// A UTF-8 text file, one record per line, fields separated by TAB and escaped as in table files
// (\\ \t \n \r):
//   #ovss-section-library 1
//   languages <TAB> Dutch <TAB> English ...           names below follow this order
//   group <TAB> id <TAB> enabled(0/1) <TAB> image <TAB> name per language ...
//   type <TAB> enabled(0/1) <TAB> image <TAB> group id (-1 none) <TAB> profile table <TAB> names
// Names are mapped onto the working language list by language name, so a file written with
// other languages still reads. Written atomically; a damaged file is reported with its line and
// leaves the record untouched.
#pragma once

#include "core/Tvx_String.h"
#include "core/sections/SectionLibrary.h"

// The library file of the library folder: libDir + "SectionLibrary.txt".
Tvx_String sectionLibraryPath();

// Reads groups and types into `data` (its file lists stay as they are). A missing file gives an
// empty library and true. False with `error` naming the file, line and cause when the file cannot
// be read or is damaged; `data` is then unchanged.
bool readSectionLibrary(const Tvx_String& path, DlgEditLibData& data, Tvx_String& error);
// Writes groups and types atomically; false with `error` set, old file intact, on failure.
bool writeSectionLibrary(const Tvx_String& path, const DlgEditLibData& data, Tvx_String& error);

// The file text of the groups and types, and its parser (used by the functions above).
Tvx_String encodeSectionLibrary(const DlgEditLibData& data);
bool decodeSectionLibrary(const Tvx_String& text, DlgEditLibData& data, Tvx_String& error);
