// ProfValuesTableGrid.cpp - showing the table in a grid and reading it back after editing.
// Grid rows and columns count from 1; the row headers all show the type name.
#include "grid/GridTypes.h"
#include "seclib/Tvx_ProfValuesTable.h"
#include "spread/Tvx_Spread.h"

namespace {
constexpr int kActiveGridColumn = 2;  // the "I/O" column, shown as check boxes
}

bool Tvx_ProfValuesTable::getFromSS(Tvx_Spread& grid) {
    const int rowCount = grid.getMaxRows();
    const int colCount = grid.getMaxCols();
    if (rowCount <= 0 || colCount <= 0) {
        return false;
    }
    Tvx_StringArray names;
    grid.getRowTexts(ovgrid::HEADER, names);
    Tvx_String type;
    grid.getCellText(ovgrid::HEADER, 1, type, Tvx_Spread::kReadValue);
    Tvx_Array<Tvx_StringArray> values;
    for (int r = 1; r <= rowCount; ++r) {
        Tvx_StringArray fields;
        grid.getRowTexts(r, fields);
        values.append(std::move(fields));
    }
    columnNames = std::move(names);
    typeName = std::move(type);
    rows = std::move(values);
    return true;
}

bool Tvx_ProfValuesTable::setToSS(Tvx_Spread& grid) const {
    grid.SSSetBool(Tvx_Spread::kPropRedraw, false);
    grid.setMaxRows(0);
    grid.setMaxCols(0);
    if (rows.isEmpty()) {
        grid.SSSetBool(Tvx_Spread::kPropRedraw, true);
        return false;
    }
    grid.setMaxRows(rows.length());
    grid.setMaxCols(columnNames.length());
    grid.setCheckBoxType(kActiveGridColumn, false, false);
    grid.setRowTexts(ovgrid::HEADER, columnNames);
    Tvx_StringArray rowHeaders;
    for (int r = 0; r < rows.length(); ++r) {
        rowHeaders.append(typeName);
    }
    grid.setColTexts(ovgrid::HEADER, rowHeaders);
    for (int r = 0; r < rows.length(); ++r) {
        grid.setRowTexts(r + 1, rows[r]);
    }
    grid.fitAll();
    grid.SSSetBool(Tvx_Spread::kPropChanged, false);
    grid.SSSetBool(Tvx_Spread::kPropRedraw, true);
    return true;
}
