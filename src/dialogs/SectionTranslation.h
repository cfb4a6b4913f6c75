// SectionTranslation.h - the table that translates the application's section names into the
// names of another system (the CIS/2 profile names of "CIS2ProfNames.dat"). The file lives in the
// library folder and is a table file with one record per section: application name, other name.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The full path of a translation file name such as "CIS2ProfNames.dat".
Tvx_String sectionTranslationPath(const Tvx_String& fileName);

// Reads the two parallel lists. A missing file is an empty table (true, both lists empty); a
// file that is not a table file gives false and leaves both lists unchanged. Records without a
// section name are skipped; a missing second field reads as "".
bool readSectionTranslation(const Tvx_String& fileName, Tvx_StringArray& names,
                            Tvx_StringArray& otherNames);

// Writes the lists atomically (rows with an empty section name are dropped). False, file
// unchanged, when the lists differ in length or the file cannot be written.
bool saveSectionTranslation(const Tvx_String& fileName, const Tvx_StringArray& names,
                            const Tvx_StringArray& otherNames);
