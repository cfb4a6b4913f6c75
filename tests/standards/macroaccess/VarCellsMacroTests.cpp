// VarCellsMacroTests.cpp - a sheet's variables filled from the sample macro and written back:
// mapping chosen from the request, Local variables emptied, the warning for a variable the
// macro lacks (only with calculation warnings on), Output-only writing.
#include <gtest/gtest.h>

#include "MacroAccessFixture.h"
#include "core/MessageService.h"
#include "standards/variables/OvVarCells.h"

namespace {

OvVarCell variable(const wchar_t* name, OvCellType cellType, OvValueType valueType,
                   const wchar_t* value = L"") {
    OvVarCell cell;
    cell.name = name;
    cell.cellType = cellType;
    cell.valueType = valueType;
    cell.value = value;
    return cell;
}

}  // namespace

class VarCellsMacroTest : public MacroAccessTest {
  protected:
    void SetUp() override {
        MacroAccessTest::SetUp();
        cells.append(variable(L"Thickness", OvCellInput, OvValueDouble, L"prev"));
        cells.append(variable(L"Missing", OvCellInput, OvValueDouble, L"prev"));
        cells.append(variable(L"Width", OvCellOutput, OvValueDouble, L"prev"));
        cells.append(variable(L"Lost", OvCellOutput, OvValueDouble, L"prev"));
        cells.append(variable(L"Half", OvCellLocal, OvValueDouble, L"prev"));
    }

    OvVarCells cells;
    MessageRecorder messages;
};

TEST_F(VarCellsMacroTest, ModuleGroupFillsVariablesAndWarnsAboutMissingOnes) {
    gSettings.current.calcWarnings = true;
    ASSERT_EQ(cells.getFromMacro(request(L"Module.Plate")), Acad::eOk);
    EXPECT_EQ(cells.mapping().mode(), OvSSMapping::ModeModuleGroup);
    EXPECT_EQ(cells[0].value, L"15");
    EXPECT_EQ(cells[1].value, L"prev");
    EXPECT_EQ(cells[2].value, L"180");
    EXPECT_EQ(cells[3].value, L"prev");
    EXPECT_TRUE(cells[4].value.isEmpty());

    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.messages()[0].text,
              L"The following Input variable couldn't be retrieved : \nMissing\n"
              L"Make sure the variable exists in the macro or module.\nSpreadsheet : EndPlate");
    EXPECT_EQ(messages.messages()[1].text,
              L"The following Output variable couldn't be set : \nLost\n"
              L"Make sure the variable exists in the macro or module.\nSpreadsheet : EndPlate");
    for (const MessageRecorder::Message& m : messages.messages()) {
        EXPECT_EQ(m.type & 0xF0u, MB_ICONEXCLAMATION);
    }
}

TEST_F(VarCellsMacroTest, NoWarningsWhenTheDocumentTurnsThemOff) {
    gSettings.current.calcWarnings = false;
    ASSERT_EQ(cells.getFromMacro(request(L"Module.Plate")), Acad::eOk);
    EXPECT_EQ(cells[0].value, L"15");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(VarCellsMacroTest, MappingKeyReadsTheMappingFile) {
    writeMappingFile(
        L"Mapping version 1.0\nKey=Thickness\u0192Plate\u2022Distance Height\u00BF"
        L"Width\u0192Bolts\u2022Distance Pitch\n");
    ASSERT_EQ(cells.getFromMacro(request(L"Key")), Acad::eOk);
    EXPECT_EQ(cells.mapping().mode(), OvSSMapping::ModeObjectList);
    EXPECT_EQ(cells[0].value, L"340");
    EXPECT_EQ(cells[2].value, L"70");
    EXPECT_TRUE(cells[4].value.isEmpty());
}

TEST_F(VarCellsMacroTest, WithoutAMappingNothingIsFetched) {
    gSettings.current.calcWarnings = true;
    // No mapping file: the calculation runs on the values in the sheet.
    ASSERT_EQ(cells.getFromMacro(request(L"Key")), Acad::eOk);
    EXPECT_EQ(cells[0].value, L"prev");
    EXPECT_EQ(cells[4].value, L"prev");
    EXPECT_EQ(messages.count(), 0);

    // A mapping key without a macro cannot be resolved at all.
    OvDlgStandardsData noMacro = request(L"Key");
    noMacro.dbMacro = nullptr;
    EXPECT_EQ(cells.getFromMacro(noMacro), Acad::eInvalidInput);
}

TEST_F(VarCellsMacroTest, SetToMacroWritesOutputVariablesOnly) {
    ASSERT_EQ(cells.getFromMacro(request(L"Module.Plate")), Acad::eOk);
    cells[0].value = L"99";   // Input: never written back
    cells[2].value = L"200";  // Output
    cells[3].value = L"1";    // Output the macro lacks: skipped
    cells[4].value = L"7";    // Local
    EXPECT_EQ(cells.setToMacro(record), Acad::eOk);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"Thickness"), 15.0);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"Width"), 200.0);
}

TEST_F(VarCellsMacroTest, SingleVariableAccessKeepsValueOnFailure) {
    ASSERT_EQ(cells.mapping().initFromModuleGroup(L"Bolts"), Acad::eOk);
    request(L"Module.Bolts");
    OvVarCell pitch = variable(L"Pitch", OvCellInput, OvValueDouble, L"x");
    ASSERT_EQ(pitch.setValueFromMacro(cells.mapping(), record), Acad::eOk);
    EXPECT_EQ(pitch.value, L"70");
    pitch.value = L"80";
    ASSERT_EQ(pitch.setValueToMacro(cells.mapping(), record), Acad::eOk);
    EXPECT_DOUBLE_EQ(moduleVariable(L"Bolts", L"Pitch"), 80.0);

    OvVarCell missing = variable(L"Nope", OvCellInput, OvValueDouble, L"x");
    EXPECT_EQ(missing.setValueFromMacro(cells.mapping(), record), Acad::eInvalidInput);
    EXPECT_EQ(missing.value, L"x");
    EXPECT_EQ(missing.setValueToMacro(cells.mapping(), record), Acad::eInvalidInput);
}
