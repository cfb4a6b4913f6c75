// SpreadCells.cpp - typed reads and writes of single cells, whole rows and whole columns (one
// path for both, SpreadAxis.h).
#include "spread/Tvx_Spread.h"

using ovgrid::HEADER;

namespace {

ovgrid::ReadMode toReadMode(int mode) {
    switch (mode) {
        case Tvx_Spread::kReadData:
            return ovgrid::ReadMode::Data;
        case Tvx_Spread::kReadFormula:
            return ovgrid::ReadMode::Formula;
        case Tvx_Spread::kReadTag:
            return ovgrid::ReadMode::Tag;
        default:
            return ovgrid::ReadMode::Value;
    }
}

Tvx_String doubleText(double value) {
    return Tvx_String(value, 2, true);
}

}  // namespace

bool Tvx_Spread::getCellText(int col, int row, Tvx_String& out, int mode) const {
    out.empty();
    if (!created || !inCell(col, row) || mode < kReadData || mode > kReadValue) {
        return false;
    }
    std::wstring text;
    if (!grid()->getText(col, row, toReadMode(mode), text)) {
        return false;
    }
    out = Tvx_String(std::move(text));
    return true;
}

bool Tvx_Spread::setCellText(int col, int row, const Tvx_String& text) {
    return created && inCell(col, row) && SSSetData(col, row, text.wstr());
}

bool Tvx_Spread::setCellValue(int col, int row, const Tvx_String& text) {
    return created && inCell(col, row) && SSSetValue(col, row, text.wstr());
}

bool Tvx_Spread::setCellValueNumber(int col, int row, std::wstring_view text, double number) {
    if (!created || !inCell(col, row)) {
        return false;
    }
    const ovgrid::CellStyle& style = grid()->cellStyle(col, row);
    if (!style.hasType || style.cellType.type != ovgrid::kTypeNumber) {
        return SSSetValue(col, row, text);
    }
    // What a number cell does with a text: it takes the number when it lies in its range.
    const ovgrid::CellType& type = style.cellType;
    const bool ranged = type.minimum != 0 || type.maximum != 0;
    if (ranged && (number < type.minimum || number > type.maximum)) {
        return false;
    }
    return grid()->setCellNumber(col, row, number);
}

bool Tvx_Spread::getCellInt(int col, int row, int& out) const {
    out = 0;
    Tvx_String text;
    if (!getCellText(col, row, text, kReadValue)) {
        return false;
    }
    out = text.toInt();
    return true;
}

bool Tvx_Spread::getCellDouble(int col, int row, double& out) const {
    out = 0;
    Tvx_String text;
    if (!getCellText(col, row, text, kReadValue)) {
        return false;
    }
    out = text.toDouble();
    return true;
}

bool Tvx_Spread::setCellDouble(int col, int row, double value) {
    return setCellText(col, row, doubleText(value));
}

bool Tvx_Spread::setColTexts(int col, const Tvx_StringArray& texts, bool asValue) {
    return setLineTexts(SpreadAxis::Cols, col, texts, asValue);
}

bool Tvx_Spread::setRowTexts(int row, const Tvx_StringArray& texts, bool asValue) {
    return setLineTexts(SpreadAxis::Rows, row, texts, asValue);
}

bool Tvx_Spread::getColTexts(int col, Tvx_StringArray& out) const {
    return getLineTexts(SpreadAxis::Cols, col, out);
}

bool Tvx_Spread::getRowTexts(int row, Tvx_StringArray& out) const {
    return getLineTexts(SpreadAxis::Rows, row, out);
}

bool Tvx_Spread::setLineTexts(SpreadAxis axis, int line, const Tvx_StringArray& texts,
                              bool asValue) {
    if (!created || !inLines(axis, line)) {
        return false;
    }
    const int cross = gridLineCount(*this, crossAxis(axis));
    for (int i = 0; i < texts.length() && i < cross; ++i) {
        const SpreadCell cell = cellOf(axis, line, i + 1);
        if (asValue) {
            SSSetValue(cell.col, cell.row, texts[i].wstr());
        } else {
            SSSetData(cell.col, cell.row, texts[i].wstr());
        }
    }
    return true;
}

bool Tvx_Spread::getLineTexts(SpreadAxis axis, int line, Tvx_StringArray& out) const {
    out.removeAll();
    if (!created || !inLines(axis, line)) {
        return false;
    }
    Tvx_String text;
    for (int along = 1; along <= gridLineCount(*this, crossAxis(axis)); ++along) {
        const SpreadCell cell = cellOf(axis, line, along);
        getCellText(cell.col, cell.row, text, kReadValue);
        out.append(text);
    }
    return true;
}

bool Tvx_Spread::setColInts(int col, const Tvx_Array<int>& values) {
    Tvx_StringArray texts;
    for (int value : values) {
        texts.append(Tvx_String::fromInt(value));
    }
    return setColTexts(col, texts);
}

bool Tvx_Spread::setColDoubles(int col, const Tvx_Array<double>& values) {
    Tvx_StringArray texts;
    for (double value : values) {
        texts.append(doubleText(value));
    }
    return setColTexts(col, texts);
}

bool Tvx_Spread::setColBools(int col, const Tvx_Array<bool>& values) {
    Tvx_StringArray texts;
    for (bool value : values) {
        texts.append(value ? L"1" : L"0");
    }
    return setColTexts(col, texts);
}

bool Tvx_Spread::getColInts(int col, Tvx_Array<int>& out) const {
    out.removeAll();
    Tvx_StringArray texts;
    if (!getColTexts(col, texts)) {
        return false;
    }
    for (const Tvx_String& text : texts) {
        out.append(text.toInt());
    }
    return true;
}

bool Tvx_Spread::getColDoubles(int col, Tvx_Array<double>& out) const {
    out.removeAll();
    Tvx_StringArray texts;
    if (!getColTexts(col, texts)) {
        return false;
    }
    for (const Tvx_String& text : texts) {
        out.append(text.toDouble());
    }
    return true;
}

bool Tvx_Spread::getColBools(int col, Tvx_Array<bool>& out) const {
    out.removeAll();
    Tvx_StringArray texts;
    if (!getColTexts(col, texts)) {
        return false;
    }
    for (const Tvx_String& text : texts) {
        out.append(text == L"1");
    }
    return true;
}

bool Tvx_Spread::getAllRows(Tvx_Array<Tvx_StringArray>& out) const {
    out.removeAll();
    if (!created) {
        return false;
    }
    for (int row = 1; row <= SSGetMaxRows(); ++row) {
        Tvx_StringArray texts;
        getRowTexts(row, texts);
        out.append(texts);
    }
    return true;
}

bool Tvx_Spread::clearRow(int row) {
    if (!created || !inRows(row)) {
        return false;
    }
    for (int col = 1; col <= SSGetMaxCols(); ++col) {
        SSSetValue(col, row, L"");
    }
    return true;
}
