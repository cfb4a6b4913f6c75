// Tvx_ProfValuesTable.cpp - value semantics, row and column access and the language count.
#include "seclib/Tvx_ProfValuesTable.h"

#include "core/sections/ProfileFile.h"

Tvx_ProfValuesTable::Tvx_ProfValuesTable() = default;
Tvx_ProfValuesTable::Tvx_ProfValuesTable(const Tvx_ProfValuesTable& other) = default;
Tvx_ProfValuesTable& Tvx_ProfValuesTable::operator=(const Tvx_ProfValuesTable& other) = default;
Tvx_ProfValuesTable::~Tvx_ProfValuesTable() = default;

void Tvx_ProfValuesTable::removeInactiveEntries() {
    for (int r = rows.length() - 1; r >= 0; --r) {
        if (rows[r].length() > 1 && rows[r][1] == L"0") {
            rows.removeAt(r);
        }
    }
}

bool Tvx_ProfValuesTable::getColumn(Tvx_StringArray& out, const int& column) const {
    if (rows.isEmpty() || column < 0 || column >= rows[0].length()) {
        return false;
    }
    out.removeAll();
    for (const Tvx_StringArray& row : rows) {
        out.append(row.isValid(column) ? row[column] : Tvx_String());
    }
    return true;
}

bool Tvx_ProfValuesTable::getColumn(Tvx_StringArray& out, const Tvx_String& name) const {
    const int column = getColumnIdx(name);
    return column >= 0 && getColumn(out, column);
}

int Tvx_ProfValuesTable::getColumnIdx(const Tvx_String& name) const {
    return columnNames.find(name, true);
}

bool Tvx_ProfValuesTable::getRow(Tvx_StringArray& out, const int& row) const {
    if (!rows.isValid(row)) {
        return false;
    }
    out = rows[row];
    return true;
}

bool Tvx_ProfValuesTable::deleteRow(const int& row) {
    return rows.removeAt(row);
}

int Tvx_ProfValuesTable::getNrLanguages() const {
    return countLanguageColumns(columnNames);
}
