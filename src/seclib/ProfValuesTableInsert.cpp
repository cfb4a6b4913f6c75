// ProfValuesTableInsert.cpp - duplicating a section row under a new name.
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace {

// The working language's user-name column, or -1 when the table has none. Only the user-name
// columns count, so that a dimension never gets overwritten by a name.
int currentLanguageColumn(const Tvx_ProfValuesTable& table) {
    const int column = table.columnNames.find(MacroLangs::GetCurLanguage(), false);
    const bool isUserNameColumn = column >= 2 && column < 2 + table.getNrLanguages();
    return isUserNameColumn ? column : -1;
}

}  // namespace

bool Tvx_ProfValuesTable::insertRow(const int& row) {
    const int languageColumn = currentLanguageColumn(*this);
    Tvx_StringArray copy;
    if (rows.isValid(row)) {
        copy = rows[row];
    } else {
        copy.setLogicalLength(columnNames.length());
    }

    // The user name's text before its first digits is the prefix of the new name ("IPE" of
    // "IPE200"); without one the type name serves.
    Tvx_String prefix = typeName;
    Tvx_String base = L"1";
    const bool hasLanguageField = languageColumn >= 0 && languageColumn < copy.length();
    if (hasLanguageField) {
        Tvx_String userName = copy[languageColumn];
        int start = 0;
        int length = 0;
        if (findFirstNumbers(userName, start, length)) {
            userName = userName.left(start);
        }
        if (!userName.isEmpty()) {
            prefix = userName;
        }
    }
    if (!copy.isEmpty() && !copy[0].isEmpty()) {
        base = copy[0];
    }
    const Tvx_String sysName = findUnusedSysName(base);
    if (!copy.isEmpty()) {
        copy[0] = sysName;
    }
    if (hasLanguageField) {
        copy[languageColumn] = prefix + sysName;
    }

    // The copy goes directly behind its row; behind the last row it is refused.
    const int target = row + 1;
    if (target < 0 || target >= rows.length()) {
        return false;
    }
    return rows.insertAt(target, copy);
}

Acad::ErrorStatus Tvx_ProfValuesTable::insertRow(const int& row, const Tvx_String& sysName,
                                                 const Tvx_String& userName) {
    // Checked first so that a refused call leaves the table as it was.
    int used = -1;
    const bool nameInUse = findSysName(sysName, used);
    const bool copyPossible = rows.isValid(row) && row + 1 < rows.length();
    if (nameInUse || !copyPossible || rows[row].length() < getNrLanguages() + 2) {
        return Acad::eInvalidInput;
    }
    if (!insertRow(row)) {
        return Acad::eInvalidInput;
    }
    // The names go to the new copy; the section that was copied keeps its own.
    const int copy = row + 1;
    if (setSysName(copy, sysName) != Acad::eOk || setUserNames(copy, userName) != Acad::eOk) {
        rows.removeAt(copy);
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}
