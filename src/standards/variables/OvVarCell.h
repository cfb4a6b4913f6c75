// OvVarCell.h - one declared variable of a standards sheet: its name, area and value type from
// the declaration, and its current value, always held as text. The declaration cell is also
// the value cell: writing a value replaces the declaration in the grid.
#pragma once

#include "core/Tvx_String.h"
#include "host/ErrorStatus.h"
#include "standards/OvValueType.h"
#include "standards/variables/OvCellType.h"

class Tvx_Spread;
class OvSSMapping;
class OvDlgStandardsData;

class OvVarCell {
  public:
    OvVarCell() = default;
    OvVarCell(const OvVarCell&) = default;
    OvVarCell& operator=(const OvVarCell&) = default;
    virtual ~OvVarCell() = default;

    // Takes the declaration in cell (col, row); 3 (nothing changed) when the cell cannot be read
    // or holds no declaration.
    Acad::ErrorStatus initialize(const Tvx_Spread& spread, const int& col, const int& row,
                                 OvCellType type);
    // Takes `other`'s value and writes it, typed, into this variable's cell.
    Acad::ErrorStatus setValueFromOther(Tvx_Spread& spread, const OvVarCell& other);

    // The value from the macro through `mapping`; 3 (value kept) when it cannot be read.
    Acad::ErrorStatus setValueFromMacro(const OvSSMapping& mapping, const OvDlgStandardsData& data);
    // The value into the macro through `mapping`; 3 when it cannot be written.
    Acad::ErrorStatus setValueToMacro(const OvSSMapping& mapping,
                                      const OvDlgStandardsData& data) const;

    // Gives the variable's cell the type of valueType; false for a cell outside the body.
    bool setTypeToSS(Tvx_Spread& spread) const;

    bool isInput() const { return cellType == OvCellInput; }
    bool isOutput() const { return cellType == OvCellOutput; }
    bool isLocal() const { return cellType == OvCellLocal; }

    Tvx_String name;
    OvCellType cellType = OvCellInput;
    Tvx_String value;
    OvValueType valueType = OvValueString;
    int col = 0;  // 1-based; 0 in a copy handed to a child sheet
    int row = 0;

  private:
    // The list and the calculation move values between variables and cells.
    friend class OvVarCells;
    friend class OvCalcSS;

    void setNewValue(const Tvx_String& newValue) { value = newValue; }
    Acad::ErrorStatus setNewValue(Tvx_Spread& spread, const Tvx_String& newValue);
    // Gives the cell the type of valueType and writes value into it.
    Acad::ErrorStatus setValueToSS(Tvx_Spread& spread) const;
    // What the cell currently shows, unformatted (a formula's last result).
    Acad::ErrorStatus getCurrentValue(const Tvx_Spread& spread, Tvx_String& out) const;
};
