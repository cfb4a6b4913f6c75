// ProfValuesTableNames.cpp - system names, user names, the active filter and dimension values.
#include <cmath>

#include "core/StringHelpers.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace {

// The value as text: one decimal when that keeps it, more when it does not, so that 1.25 mm
// sheet thicknesses survive the round trip through the table.
Tvx_String valueText(double value) {
    for (int precision = 1; precision <= 12; ++precision) {
        Tvx_String text(value, precision, false);
        if (text.toDouble() == value) {
            return text;
        }
    }
    return Tvx_String(value, 15, false);
}

}  // namespace

void Tvx_ProfValuesTable::getSysNames(Tvx_StringArray& out) const {
    getSysNames(out, false);
}

void Tvx_ProfValuesTable::getFilteredSysNames(Tvx_StringArray& out) const {
    getSysNames(out, true);
}

void Tvx_ProfValuesTable::getSysNames(Tvx_StringArray& out, bool filtered) const {
    out.removeAll();
    Tvx_StringArray names;
    Tvx_StringArray flags;
    if (!getColumn(names, 0) || !getColumn(flags, 1) || names.length() != flags.length()) {
        return;
    }
    for (int r = 0; r < names.length(); ++r) {
        if (!filtered || !(flags[r] == L"0")) {
            out.append(typeName + L"-" + names[r]);
        }
    }
}

Tvx_String Tvx_ProfValuesTable::findUnusedSysName(const Tvx_String& base) const {
    Tvx_StringArray names;
    getColumn(names, 0);
    return findNonExistingString(names, base);
}

bool Tvx_ProfValuesTable::findSysName(const Tvx_String& name, int& row) const {
    Tvx_StringArray names;
    if (!getColumn(names, 0)) {
        return false;
    }
    const int at = names.find(name, true);
    if (at < 0) {
        return false;
    }
    row = at;
    return true;
}

int Tvx_ProfValuesTable::getfilteredIdx(const int& row) const {
    Tvx_StringArray flags;
    if (!getColumn(flags, 1) || !flags.isValid(row)) {
        return -1;
    }
    int filteredOut = 0;
    for (int r = 0; r < row; ++r) {
        if (!(flags[r] == L"1")) {
            ++filteredOut;
        }
    }
    return row - filteredOut;
}

Acad::ErrorStatus Tvx_ProfValuesTable::setSysName(const int& row, const Tvx_String& name) {
    if (!rows.isValid(row) || rows[row].isEmpty()) {
        return Acad::eInvalidInput;
    }
    rows[row][0] = name;
    return Acad::eOk;
}

Acad::ErrorStatus Tvx_ProfValuesTable::setUserNames(const int& row, const Tvx_String& name) {
    const int languages = getNrLanguages();
    if (!rows.isValid(row) || rows[row].length() < languages + 2) {
        return Acad::eInvalidInput;
    }
    for (int c = 2; c < languages + 2; ++c) {
        rows[row][c] = name;
    }
    return Acad::eOk;
}

Acad::ErrorStatus Tvx_ProfValuesTable::setValues(const int& row, const AcArray<double>& values) {
    const int first = getNrLanguages() + 2;
    if (!rows.isValid(row) || rows[row].length() - first != values.length()) {
        return Acad::eInvalidInput;
    }
    for (double value : values) {
        if (!std::isfinite(value)) {
            return Acad::eInvalidInput;
        }
    }
    for (int i = 0; i < values.length(); ++i) {
        rows[row][first + i] = valueText(values[i]);
    }
    return Acad::eOk;
}
