// ProfTableTsv.cpp - profile tables as checked tab-separated text.
#include "seclib/ProfTableTsv.h"

#include "core/StringHelpers.h"
#include "core/TableFile.h"
#include "core/TextFile.h"
#include "core/sections/ProfileFile.h"

namespace {

constexpr int kHighestShapeNumber = 24;

Tvx_String lineError(int line, const Tvx_String& what) {
    return L"line " + Tvx_String::fromInt(line) + L": " + what;
}

bool splitLine(const Tvx_String& line, Tvx_StringArray& fields) {
    fields.removeAll();
    if (line == L"\\e") {
        fields.append(Tvx_String());
        return true;
    }
    for (const Tvx_String& cell : strToArr(line, L"\t")) {
        Tvx_String field;
        if (!unescapeField(cell, field)) {
            return false;
        }
        fields.append(field);
    }
    return true;
}

// Empty when the row is acceptable, else the problem.
Tvx_String checkRow(const Tvx_StringArray& row, int columns, int firstValue,
                    const Tvx_StringArray& header) {
    if (row.length() != columns) {
        return Tvx_String::fromInt(row.length()) + L" fields where the header has " +
               Tvx_String::fromInt(columns);
    }
    if (Tvx_String(row[0]).trim().isEmpty()) {
        return L"empty system name";
    }
    if (!(row[1] == L"0") && !(row[1] == L"1")) {
        return L"the I/O flag must be 0 or 1, not \"" + row[1] + L"\"";
    }
    for (int c = firstValue; c < columns; ++c) {
        if (!row[c].isEmpty() && !row[c].isNumber()) {
            return L"\"" + header[c] + L"\" is not a number: \"" + row[c] + L"\"";
        }
    }
    return {};
}

}  // namespace

Tvx_String profTableToTsv(const Tvx_ProfValuesTable& table) {
    Tvx_TableRecords records;
    records.append(table.columnNames);
    records.append(table.rows);
    Tvx_String text;
    for (const Tvx_StringArray& record : records) {
        if (record.length() == 1 && record[0].isEmpty()) {
            text += L"\\e\n";
            continue;
        }
        Tvx_StringArray escaped;
        for (const Tvx_String& field : record) {
            escaped.append(escapeField(field));
        }
        text += arrToStr(escaped, L"\t") + L"\n";
    }
    return text;
}

bool profTableFromTsv(const Tvx_String& text, Tvx_ProfValuesTable& table, Tvx_String& error) {
    const Tvx_StringArray lines = splitLines(text);
    Tvx_StringArray header;
    if (lines.isEmpty() || !splitLine(lines[0], header)) {
        error = lines.isEmpty() ? Tvx_String(L"the table is empty")
                                : lineError(1, L"invalid escape sequence");
        return false;
    }
    if (header.length() < 2 || !(header[0] == kSysNameColumn) || !(header[1] == kActiveColumn)) {
        error = lineError(1, L"the header must start with \"SysName\" and \"I/O\"");
        return false;
    }
    const int firstValue = 2 + countLanguageColumns(header);
    if (header.length() < firstValue) {
        error = lineError(1, L"the header needs a user-name column per language");
        return false;
    }

    Tvx_Array<Tvx_StringArray> rows;
    Tvx_StringArray sysNames;
    for (int i = 1; i < lines.length(); ++i) {
        if (lines[i].isEmpty()) {
            continue;  // blank lines (a trailing one in particular) carry no section
        }
        Tvx_StringArray row;
        if (!splitLine(lines[i], row)) {
            error = lineError(i + 1, L"invalid escape sequence");
            return false;
        }
        const Tvx_String problem = checkRow(row, header.length(), firstValue, header);
        if (!problem.isEmpty()) {
            error = lineError(i + 1, problem);
            return false;
        }
        if (sysNames.contains(row[0], false)) {
            error = lineError(i + 1, L"system name \"" + row[0] + L"\" is used twice");
            return false;
        }
        sysNames.append(row[0]);
        rows.append(std::move(row));
    }
    table.columnNames = std::move(header);
    table.rows = std::move(rows);
    return true;
}

bool isValidProfileShape(const Tvx_String& shape) {
    if (shape.endsWith(L".dwg", false)) {
        return shape.length() > 4 && !hasInvalidFileNameChars(shape);
    }
    if (shape.isEmpty()) {
        return false;
    }
    for (wchar_t ch : shape) {
        if (ch < L'0' || ch > L'9') {
            return false;
        }
    }
    const int number = shape.toInt();
    return number >= 1 && number <= kHighestShapeNumber;
}
