// SampleSheetTests.cpp - the sample connection standards as files: each loads, has its four
// areas, declares the variables its mapping and its callers rely on, and its equations can be
// translated safely (no variable name hides inside a quoted file name or key).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SampleLibrary.h"
#include "standards/calc/WholeWordReplace.h"
#include "standards/mapping/OvSSMapping.h"
#include "standards/variables/OvVarCells.h"
#include "standards/variables/SSAreas.h"

namespace {

struct SheetCase {
    const char* file;       // under "Connection Standards"
    const wchar_t* inputs;  // declarations of each area, in order, joined by ", "
    const wchar_t* outputs;
    const wchar_t* locals;
};

const SheetCase kSheets[] = {
    {"EndPlateBeamColumn.ovs", L"String BeamSection, String ColumnSection, Double BoltDiameter",
     L"Double PlateThickness, Double PlateWidth, Double PlateHeight, Double TopExtension, "
     L"Double BottomExtension, Double HoleOffset, Double Gauge, Double Pitch, String NrRows",
     L"Double BeamH, Double BeamB, Double BeamTf, Double ColumnB, Double HoleDia, Double EdgeDist"},
    {"Childs/EndPlateBoltRows.ovs",
     L"Double Depth, Double Flange, Double HoleDia, Double EdgeDist, Double PlateT",
     L"Double NrRows, Double Pitch",
     L"Double Avail, Double MinPitch, Double MaxPitch, Double RowsInside"},
    {"BasePlate.ovs", L"String Column.Name, Double Anchor.Diameter",
     L"Double Thickness, Double Length, Double Width, Double SpacingX, Double SpacingY, "
     L"Double Anchor.HoleOffset, String Anchors.NrBolts1, String Anchors.NrBolts2",
     L"Double ColumnH, Double ColumnB, Double ColumnTf, Double HoleDia, Double Edge"},
    {"FinPlate.ovs", L"String BeamSection, Double BoltDiameter, Double Shear",
     L"Double Thickness, Double Height, Double Width, Double Pitch, Double EdgeDistance, "
     L"Double HoleOffset, String NrRows",
     L"Double BeamH, Double BeamTf, Double BeamR, Double HoleDia, Double BoltShear, "
     L"Double RowsForShear, Double RowsForDepth, Double MaxRows, Double Rows"},
};

const wchar_t* keywordOf(OvValueType type) {
    switch (type) {
        case OvValueInt:
            return L"Int";
        case OvValueDouble:
            return L"Double";
        default:
            return L"String";
    }
}

std::wstring declarationsOf(const OvVarCells& cells, OvCellType area) {
    std::wstring joined;
    for (const OvVarCell& cell : cells) {
        if (cell.cellType != area) {
            continue;
        }
        if (!joined.empty()) {
            joined += L", ";
        }
        joined += std::wstring(keywordOf(cell.valueType)) + L" " + cell.name.wstr();
    }
    return joined;
}

// The texts between pairs of double quotes.
std::vector<std::wstring> quotedLiterals(const std::wstring& text) {
    std::vector<std::wstring> literals;
    std::size_t open = text.find(L'"');
    while (open != std::wstring::npos) {
        const std::size_t close = text.find(L'"', open + 1);
        if (close == std::wstring::npos) {
            break;
        }
        literals.push_back(text.substr(open + 1, close - open - 1));
        open = text.find(L'"', close + 1);
    }
    return literals;
}

class SampleSheets : public SampleLibrary, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(SampleSheets, LoadsWithItsAreasAndDeclarations) {
    const SheetCase& c = GetParam();
    LoadedSheet sheet(standardsPath(c.file));
    ASSERT_TRUE(sheet.ok()) << Tvx_String(sheet.loadError).toUtf8();

    const SSAreas areas = findSSAreas(sheet.spread);
    ASSERT_TRUE(areas.input.exists() && areas.output.exists() && areas.local.exists() &&
                areas.calc.exists());
    // The calculation runs from the Calc header to the last row, so Calc must come last.
    EXPECT_GT(areas.calc.begin, areas.local.begin);
    EXPECT_GT(areas.local.begin, areas.output.begin);
    EXPECT_GT(areas.output.begin, areas.input.begin);

    OvVarCells cells;
    ASSERT_EQ(cells.findVarCells(sheet.spread), Acad::eOk);
    EXPECT_EQ(declarationsOf(cells, OvCellInput), c.inputs);
    EXPECT_EQ(declarationsOf(cells, OvCellOutput), c.outputs);
    EXPECT_EQ(declarationsOf(cells, OvCellLocal), c.locals);
}

TEST_P(SampleSheets, EveryCalcCellIsAnEquationThatTranslatesSafely) {
    const SheetCase& c = GetParam();
    LoadedSheet sheet(standardsPath(c.file));
    ASSERT_TRUE(sheet.ok());
    OvVarCells cells;
    ASSERT_EQ(cells.findVarCells(sheet.spread), Acad::eOk);
    const SSAreas areas = findSSAreas(sheet.spread);

    int equations = 0;
    for (int row = areas.calc.begin; row <= areas.calc.end; ++row) {
        for (int col = 1; col <= sheet.spread.getMaxCols(); ++col) {
            Tvx_String text;
            if (!sheet.spread.getCellText(col, row, text) || text.isEmpty()) {
                continue;
            }
            ++equations;
            const std::wstring equation = text.wstr();
            const std::size_t equals = equation.find(L'=');
            const bool childCall = equation.find(L"CallChild") != std::wstring::npos;
            if (!childCall) {
                ASSERT_NE(equals, std::wstring::npos) << text.toUtf8();
                int index = -1;
                EXPECT_EQ(cells.findVarCell(Tvx_String(equation.substr(0, equals)).trim(), index),
                          Acad::eOk)
                    << "left side of " << text.toUtf8();
            }
            if (childCall) {
                continue;  // its arguments are names on purpose
            }
            for (const std::wstring& literal : quotedLiterals(equation)) {
                for (const OvVarCell& cell : cells) {
                    Tvx_String probe(literal);
                    EXPECT_FALSE(replaceWholeWord(probe, cell.name, L"A1", false))
                        << cell.name.toUtf8() << " would be replaced inside \""
                        << Tvx_String(literal).toUtf8() << "\"";
                }
            }
        }
    }
    EXPECT_GT(equations, 0);
}

INSTANTIATE_TEST_SUITE_P(Library, SampleSheets, ::testing::ValuesIn(kSheets));

// A mapping binds Input and Output variables with the value type their macro object needs,
// and leaves none of them unbound (an unbound one would keep the sheet's empty value).
struct MapCase {
    const char* sheet;
    const wchar_t* ssName;
    const wchar_t* key;
};

const MapCase kMaps[] = {
    {"EndPlateBeamColumn.ovs", L"EndPlateBeamColumn", L"EndPlateBeamToColumn"},
    {"BasePlate.ovs", L"BasePlate", L"BasePlate"},
    {"FinPlate.ovs", L"FinPlate", L"FinPlate"},
};

class SampleMappings : public SampleLibrary, public ::testing::WithParamInterface<MapCase> {};

TEST_P(SampleMappings, BindEveryInputAndOutputWithItsType) {
    const MapCase& c = GetParam();
    LoadedSheet sheet(standardsPath(c.sheet));
    ASSERT_TRUE(sheet.ok());
    OvVarCells cells;
    ASSERT_EQ(cells.findVarCells(sheet.spread), Acad::eOk);

    OvSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile(c.ssName, c.key), Acad::eOk);
    for (const OvObjectMap& object : mapping.mappedObjects()) {
        int index = -1;
        ASSERT_EQ(cells.findVarCell(object.ssVar, index), Acad::eOk) << object.ssVar.toUtf8();
        EXPECT_FALSE(cells[index].isLocal()) << object.ssVar.toUtf8();
    }
    for (const OvVarCell& cell : cells) {
        if (cell.isLocal()) {
            continue;
        }
        int index = -1;
        EXPECT_EQ(mapping.findSSVar(cell.name, cell.valueType, index), Acad::eOk)
            << cell.name.toUtf8() << " is not mapped with its value type";
    }
}

INSTANTIATE_TEST_SUITE_P(Library, SampleMappings, ::testing::ValuesIn(kMaps));

}  // namespace
