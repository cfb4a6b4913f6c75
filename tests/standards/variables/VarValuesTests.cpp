// VarValuesTests.cpp - writing variable values into their cells with the right cell types,
// reading Output values back, and the list operations (search, input comparison, copies).
#include <gtest/gtest.h>

#include "VarSheet.h"
#include "grid/GridTypes.h"
#include "standards/variables/OvVarCells.h"

namespace {

OvVarCell variable(const wchar_t* name, OvCellType cellType, OvValueType valueType,
                   const wchar_t* value, int col = 0, int row = 0) {
    OvVarCell cell;
    cell.name = name;
    cell.cellType = cellType;
    cell.valueType = valueType;
    cell.value = value;
    cell.col = col;
    cell.row = row;
    return cell;
}

}  // namespace

class VarValuesTest : public VarSheetTest {
  protected:
    void SetUp() override {
        fill({{L"Input"},
              {L"Int Count"},
              {L"Double Thickness"},
              {L"String Column"},
              {L"Output"},
              {L"Double Width"},
              {L"Local"},
              {L"Double Half"}});
        ASSERT_EQ(cells.findVarCells(spread), Acad::eOk);
        ASSERT_EQ(cells.length(), 5);
    }

    ovgrid::CellType typeOf(int col, int row) const {
        ovgrid::CellType type;
        EXPECT_TRUE(spread.SSGetCellType(col, row, type));
        return type;
    }

    OvVarCells cells;
};

TEST_F(VarValuesTest, ValuesReplaceDeclarationsWithTypedCells) {
    struct Case {
        int index;
        const wchar_t* value;
        const wchar_t* shown;   // data mode: as formatted by the cell type
        const wchar_t* stored;  // value mode
        int type;
        int decimals;
    };
    const Case cases[] = {
        {0, L"4", L"4", L"4", ovgrid::kTypeNumber, 0},
        {1, L"12.5", L"12.5000000", L"12.5", ovgrid::kTypeNumber, 7},
        {2, L"HEA 200", L"HEA 200", L"HEA 200", ovgrid::kTypeEdit, 0},
        {3, L"180", L"180.0000000", L"180", ovgrid::kTypeNumber, 7},
        {4, L"0.25", L"0.2500000", L"0.25", ovgrid::kTypeNumber, 7},
    };
    for (const Case& c : cases) {
        cells[c.index].value = c.value;
    }
    ASSERT_EQ(cells.setValuesToSS(spread), Acad::eOk);
    for (const Case& c : cases) {
        const OvVarCell& var = cells[c.index];
        SCOPED_TRACE(var.name);
        EXPECT_EQ(cell(var.col, var.row, Tvx_Spread::kReadData), c.shown);
        EXPECT_EQ(cell(var.col, var.row), c.stored);
        const ovgrid::CellType type = typeOf(var.col, var.row);
        EXPECT_EQ(type.type, c.type);
        if (c.type == ovgrid::kTypeNumber) {
            EXPECT_EQ(type.decimals, c.decimals);
        } else {
            EXPECT_EQ(type.style, 0);
            EXPECT_EQ(type.maxLength, 9999);
        }
    }
}

TEST_F(VarValuesTest, WritingToACellOutsideTheSheetFails) {
    OvVarCells list;
    list.append(variable(L"Child", OvCellInput, OvValueDouble, L"1"));  // column and row 0
    EXPECT_EQ(list.setValuesToSS(spread), Acad::eInvalidInput);
    OvVarCell target = cells[1];
    target.col = 0;
    EXPECT_EQ(target.setValueFromOther(spread, cells[0]), Acad::eInvalidInput);
}

TEST_F(VarValuesTest, SetValueFromOtherStoresAndWrites) {
    const OvVarCell child = variable(L"Width", OvCellOutput, OvValueDouble, L"240");
    ASSERT_EQ(cells[3].setValueFromOther(spread, child), Acad::eOk);
    EXPECT_EQ(cells[3].value, L"240");
    EXPECT_EQ(cell(cells[3].col, cells[3].row, Tvx_Spread::kReadData), L"240.0000000");
}

TEST_F(VarValuesTest, GetValuesFromSSReadsOutputVariablesOnly) {
    cells[1].value = L"10";
    ASSERT_EQ(cells.setValuesToSS(spread), Acad::eOk);
    // The calculation leaves results in the cells: a formula in Width's cell, a new number in
    // Thickness's cell that must not flow back into the Input variable.
    ASSERT_TRUE(spread.setCellValue(1, 3, L"99"));
    ASSERT_TRUE(spread.SSSetFormula(1, 6, L"A3*3", true));
    ASSERT_EQ(cells.getValuesFromSS(spread), Acad::eOk);
    EXPECT_EQ(cells[3].value, L"297");
    EXPECT_EQ(cells[1].value, L"10");

    cells[3].row = 0;  // an Output cell that cannot be read
    EXPECT_EQ(cells.getValuesFromSS(spread), Acad::eInvalidInput);
}

TEST(OvVarCells, FindVarCellIgnoresCaseAndKeepsIndexWhenAbsent) {
    OvVarCells list;
    list.append(variable(L"Width", OvCellInput, OvValueDouble, L""));
    list.append(variable(L"Gap", OvCellOutput, OvValueDouble, L""));
    list.append(variable(L"gap", OvCellLocal, OvValueDouble, L""));
    int index = -7;
    ASSERT_EQ(list.findVarCell(L"GAP", index), Acad::eOk);
    EXPECT_EQ(index, 1);
    index = -7;
    EXPECT_EQ(list.findVarCell(L"Height", index), Acad::eInvalidInput);
    EXPECT_EQ(index, -7);
}

TEST(OvVarCells, HasSameInputComparesInputVariablesOnly) {
    OvVarCells mine;
    mine.append(variable(L"Column", OvCellInput, OvValueString, L"HEA200"));
    mine.append(variable(L"T", OvCellInput, OvValueDouble, L"10"));
    mine.append(variable(L"W", OvCellOutput, OvValueDouble, L"100"));
    mine.append(variable(L"H", OvCellLocal, OvValueDouble, L"5"));

    struct Case {
        const char* what;
        std::vector<OvVarCell> other;
        bool same;
    };
    const Case cases[] = {
        {"equal inputs, other outputs and locals, extra variables",
         {variable(L"t", OvCellInput, OvValueDouble, L"10"),
          variable(L"column", OvCellInput, OvValueString, L"hea200"),
          variable(L"W", OvCellOutput, OvValueDouble, L"999"),
          variable(L"Extra", OvCellInput, OvValueInt, L"1")},
         true},
        {"an input value differs",
         {variable(L"Column", OvCellInput, OvValueString, L"HEA200"),
          variable(L"T", OvCellInput, OvValueDouble, L"12")},
         false},
        {"an input value type differs",
         {variable(L"Column", OvCellInput, OvValueString, L"HEA200"),
          variable(L"T", OvCellInput, OvValueInt, L"10")},
         false},
        {"an input is missing", {variable(L"T", OvCellInput, OvValueDouble, L"10")}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OvVarCells other;
        for (const OvVarCell& cell : c.other) {
            other.append(cell);
        }
        EXPECT_EQ(mine.hasSameInput(other), c.same);
    }
}

TEST(OvVarCells, CopiesCarryTheMappingAndResetKeepsIt) {
    OvVarCells list;
    list.append(variable(L"Width", OvCellOutput, OvValueDouble, L"5"));
    ASSERT_EQ(list.mapping().initFromModuleGroup(L"Plate"), Acad::eOk);
    OvObjectMap object;
    object.ssVar = L"Width";
    object.kind = OvMapDistance;
    list.mapping().mappedObjectsWrite().append(object);

    const OvVarCells copy = list;
    EXPECT_EQ(copy.length(), 1);
    EXPECT_EQ(copy.mapping().mode(), OvSSMapping::ModeModuleGroup);
    EXPECT_EQ(copy.mapping().mappedObjects().length(), 1);

    list.resetVarCells();
    EXPECT_EQ(list.length(), 0);
    EXPECT_EQ(list.mapping().mode(), OvSSMapping::ModeModuleGroup);
    EXPECT_EQ(list.mapping().mappedObjects().length(), 1);

    OvVarCells assigned;
    assigned = copy;
    EXPECT_EQ(assigned[0].value, L"5");
    EXPECT_EQ(assigned.mapping().mappedObjects().length(), 1);
}
