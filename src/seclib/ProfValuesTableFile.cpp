// ProfValuesTableFile.cpp - reading and writing the type's ".pr" file in the library's profile
// folder through the core's table files.
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/TableFile.h"
#include "core/Tvx_Settings.h"
#include "core/sections/ProfileFile.h"
#include "seclib/Tvx_ProfValuesTable.h"

bool Tvx_ProfValuesTable::readFromFile(const Tvx_String& name) {
    if (!isValidProfileTableName(name)) {
        return false;
    }
    const Tvx_String path = profileTablePath(gSettings.libDir, name);
    if (!readFile(path, typeName, rows)) {
        return false;
    }
    // Record 1 is the shape, record 2 the header; a file of one record keeps it as a row.
    if (rows.length() > 1) {
        if (!rows[0].isEmpty()) {
            shape = rows[0][0];
        }
        columnNames = rows[1];
        rows.vector().erase(rows.vector().begin(), rows.vector().begin() + 2);
    }
    return true;
}

bool Tvx_ProfValuesTable::writeToFile(const Tvx_String& name) const {
    if (!isValidProfileTableName(name)) {
        return false;
    }
    const Tvx_String path = profileTablePath(gSettings.libDir, name);
    Tvx_TableRecords records;
    records.append(Tvx_StringArray{shape});
    records.append(columnNames);
    records.append(rows);
    // A fresh library may not have its profile folder yet.
    createFolder(getFolder(path));
    return writeFile(path, records);
}
