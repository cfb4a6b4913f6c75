// OvVarCell.cpp - reading a declaration, and moving a variable's value between it and its cell.
#include "standards/variables/OvVarCell.h"

#include "spread/Tvx_Spread.h"
#include "standards/variables/VarDeclaration.h"

namespace {

constexpr int kIntDecimals = 0;
constexpr int kDoubleDecimals = 7;
constexpr long kStringEditStyle = 0;
constexpr int kStringMaxLength = 9999;

bool setCellTypeFor(Tvx_Spread& spread, int col, int row, OvValueType type) {
    switch (type) {
        case OvValueInt:
            return spread.setNumberType(col, row, col, row, kIntDecimals, false);
        case OvValueDouble:
            return spread.setNumberType(col, row, col, row, kDoubleDecimals, false);
        default: {
            ovgrid::CellType edit;
            TSpread::SSSetTypeEdit(edit, kStringEditStyle, kStringMaxLength, 0, 0);
            return spread.isCreated() && spread.SSSetCellType(col, row, edit);
        }
    }
}

// A variable lives in a body cell; column or row 0 would address a header (a copy handed to a
// child sheet has no cell).
bool isBodyCell(int col, int row) {
    return col >= 1 && row >= 1;
}

}  // namespace

Acad::ErrorStatus OvVarCell::initialize(const Tvx_Spread& spread, const int& declCol,
                                        const int& declRow, OvCellType type) {
    Tvx_String text;
    VarDeclaration declaration;
    if (!spread.getCellText(declCol, declRow, text, Tvx_Spread::kReadValue) ||
        !parseVarDeclaration(text, declaration)) {
        return Acad::eInvalidInput;
    }
    name = declaration.name;
    valueType = declaration.valueType;
    col = declCol;
    row = declRow;
    cellType = type;
    return Acad::eOk;
}

Acad::ErrorStatus OvVarCell::setValueFromOther(Tvx_Spread& spread, const OvVarCell& other) {
    return setNewValue(spread, other.value);
}

Acad::ErrorStatus OvVarCell::setNewValue(Tvx_Spread& spread, const Tvx_String& newValue) {
    setNewValue(newValue);
    return setValueToSS(spread);
}

bool OvVarCell::setTypeToSS(Tvx_Spread& spread) const {
    return isBodyCell(col, row) && setCellTypeFor(spread, col, row, valueType);
}

Acad::ErrorStatus OvVarCell::setValueToSS(Tvx_Spread& spread) const {
    const bool written = setTypeToSS(spread) && spread.setCellValue(col, row, value);
    return written ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus OvVarCell::getCurrentValue(const Tvx_Spread& spread, Tvx_String& out) const {
    return isBodyCell(col, row) && spread.getCellText(col, row, out, Tvx_Spread::kReadValue)
               ? Acad::eOk
               : Acad::eInvalidInput;
}
