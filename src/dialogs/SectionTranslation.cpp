// SectionTranslation.cpp - reading and writing a section-name translation table.
#include "dialogs/SectionTranslation.h"

#include "core/FileSystem.h"
#include "core/TableFile.h"
#include "core/Tvx_Settings.h"

Tvx_String sectionTranslationPath(const Tvx_String& fileName) {
    return gSettings.libDir + fileName;
}

bool readSectionTranslation(const Tvx_String& fileName, Tvx_StringArray& names,
                            Tvx_StringArray& otherNames) {
    const Tvx_String path = sectionTranslationPath(fileName);
    if (!fileExists(path)) {
        names.removeAll();
        otherNames.removeAll();
        return true;
    }
    Tvx_TableRecords rows;
    if (!readFile(path, rows)) {
        return false;
    }
    Tvx_StringArray readNames;
    Tvx_StringArray readOthers;
    for (int i = 0; i < rows.length(); ++i) {
        const Tvx_StringArray& row = rows[i];
        if (row.isEmpty() || row[0].isEmpty()) {
            continue;
        }
        readNames.append(row[0]);
        readOthers.append(row.length() > 1 ? row[1] : Tvx_String());
    }
    names = readNames;
    otherNames = readOthers;
    return true;
}

bool saveSectionTranslation(const Tvx_String& fileName, const Tvx_StringArray& names,
                            const Tvx_StringArray& otherNames) {
    if (names.length() != otherNames.length()) {
        return false;
    }
    Tvx_TableRecords rows;
    for (int i = 0; i < names.length(); ++i) {
        if (!names[i].isEmpty()) {
            rows.append(Tvx_StringArray{names[i], otherNames[i]});
        }
    }
    return writeFile(sectionTranslationPath(fileName), rows);
}
