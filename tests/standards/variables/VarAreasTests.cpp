// VarAreasTests.cpp - the areas of a standards sheet and the variables declared in them: order,
// bounds (a declaration beside the next header belongs to the area above), missing headers.
#include <gtest/gtest.h>

#include "VarSheet.h"
#include "standards/variables/OvVarCells.h"
#include "standards/variables/SSAreas.h"

namespace {

struct Expected {
    const wchar_t* name;
    OvCellType cellType;
    OvValueType valueType;
    int col;
    int row;
};

void expectVariables(const OvVarCells& cells, std::initializer_list<Expected> expected) {
    ASSERT_EQ(cells.length(), static_cast<int>(expected.size()));
    int i = 0;
    for (const Expected& e : expected) {
        SCOPED_TRACE(testing::Message() << "variable " << i);
        EXPECT_EQ(cells[i].name, e.name);
        EXPECT_EQ(cells[i].cellType, e.cellType);
        EXPECT_EQ(cells[i].valueType, e.valueType);
        EXPECT_EQ(cells[i].col, e.col);
        EXPECT_EQ(cells[i].row, e.row);
        ++i;
    }
}

}  // namespace

class VarAreasTest : public VarSheetTest {};

TEST_F(VarAreasTest, ExampleSheetDeclaresItsVariablesInAreaOrder) {
    fill({{L"Input"},
          {L"String Column"},
          {L"Double Thickness"},
          {L"Output"},
          {L"Double Width"},
          {L"Local"},
          {L"Double Half"},
          {L"Calc"},
          {L"Half = Thickness / 2"},
          {L"Width = Half * 4"}});
    OvVarCells cells;
    ASSERT_EQ(cells.findVarCells(spread), Acad::eOk);
    expectVariables(cells, {{L"Column", OvCellInput, OvValueString, 1, 2},
                            {L"Thickness", OvCellInput, OvValueDouble, 1, 3},
                            {L"Width", OvCellOutput, OvValueDouble, 1, 5},
                            {L"Half", OvCellLocal, OvValueDouble, 1, 7}});
}

TEST_F(VarAreasTest, AreaBounds) {
    struct Case {
        const char* what;
        std::vector<std::vector<const wchar_t*>> rows;
        SSArea input, output, local, calc;
    };
    const Case cases[] = {
        {"all four, top to bottom",
         {{L"Input"}, {L"Int A"}, {L"Output"}, {L"Int B"}, {L"Local"}, {L"Calc"}, {L"x"}},
         {2, 3},
         {4, 5},
         {6, 6},
         {7, 7}},
        {"no Local: Output reaches the Calc header's row",
         {{L"Input"}, {L"Output"}, {L"Int B"}, {L"Calc"}},
         {2, 2},
         {3, 4},
         {-1, -1},
         {5, 4}},
        {"whole-text headers in any column and letter case",
         {{L"Calculation", L"input"}, {L"Int A", nullptr}, {nullptr, L"OUTPUT"}, {L"Int B"}},
         {2, 3},
         {4, 4},
         {-1, -1},
         {-1, -1}},
        {"Output above Input",
         {{L"Output"}, {L"Int B"}, {L"Input"}, {L"Int A"}, {L"Calc"}},
         {4, 5},
         {2, 3},
         {-1, -1},
         {6, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        spread.setMaxRows(0);  // a fresh sheet per case
        fill(c.rows);
        const SSAreas areas = findSSAreas(spread);
        const std::pair<SSArea, SSArea> pairs[] = {{areas.input, c.input},
                                                   {areas.output, c.output},
                                                   {areas.local, c.local},
                                                   {areas.calc, c.calc}};
        for (const auto& [found, expected] : pairs) {
            EXPECT_EQ(found.begin, expected.begin);
            EXPECT_EQ(found.end, expected.end);
        }
    }
}

TEST_F(VarAreasTest, DeclarationInTheNextHeadersRowBelongsToTheAreaAbove) {
    fill({{L"Input", nullptr},
          {L"Double A", L"Note"},
          {L"Output", L"Int Beside"},
          {L"Double B", L"String C"},
          {L"Local", L"Double D"},
          {L"Double E", nullptr},
          {L"Calc", L"Double AtCalc"}});
    OvVarCells cells;
    ASSERT_EQ(cells.findVarCells(spread), Acad::eOk);
    expectVariables(cells, {{L"A", OvCellInput, OvValueDouble, 1, 2},
                            {L"Beside", OvCellInput, OvValueInt, 2, 3},
                            {L"B", OvCellOutput, OvValueDouble, 1, 4},
                            {L"C", OvCellOutput, OvValueString, 2, 4},
                            {L"D", OvCellOutput, OvValueDouble, 2, 5},
                            {L"E", OvCellLocal, OvValueDouble, 1, 6},
                            {L"AtCalc", OvCellLocal, OvValueDouble, 2, 7}});
}

TEST_F(VarAreasTest, MissingInputOrOutputHeaderFailsAndLeavesNoVariables) {
    const std::pair<const wchar_t*, const wchar_t*> headers[] = {{L"Inputs", L"Output"},
                                                                 {L"Input", L"Local"}};
    for (const auto& [first, second] : headers) {
        fill({{first}, {L"Int A"}, {second}, {L"Int B"}});
        OvVarCells cells;
        cells.append(OvVarCell());
        EXPECT_EQ(cells.findVarCells(spread), Acad::eInvalidInput);
        EXPECT_EQ(cells.length(), 0);
    }
}

TEST_F(VarAreasTest, InitializeRejectsUnreadableCellsAndNotes) {
    fill({{L"Int A", L"just a note"}});
    OvVarCell cell;
    cell.name = L"Kept";
    for (const auto& [col, row] : {std::pair{2, 1}, {5, 1}, {1, 3}}) {
        EXPECT_EQ(cell.initialize(spread, col, row, OvCellOutput), Acad::eInvalidInput);
    }
    EXPECT_EQ(cell.name, L"Kept");
    ASSERT_EQ(cell.initialize(spread, 1, 1, OvCellOutput), Acad::eOk);
    EXPECT_EQ(cell.name, L"A");
    EXPECT_EQ(cell.cellType, OvCellOutput);
}
