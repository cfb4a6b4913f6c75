// MacroEditContentTests.cpp - what the macro editor's pages read from a macro and write back:
// everything checked before anything changes, rows matched by name, and the editor record's
// module list and the choice of another macro.
#include <gtest/gtest.h>

#include "MacroEditLibrary.h"
#include "host/HostServices.h"
#include "macrodlg/edit/EditConstrData.h"
#include "macrodlg/edit/MacroEditContent.h"

namespace {

class MacroEditContentTest : public MacroEditLibrary {
  protected:
    EditConstrData recordOf(const wchar_t* macro, const wchar_t* module) {
        EditConstrData data;
        data.macroId = macroNamed(macro)->id();
        data.moduleName = module;
        return data;
    }
    double value(const wchar_t* macro, const wchar_t* module, const wchar_t* name) {
        return macroNamed(macro)->macro()->findModule(module)->findVariable(name)->value;
    }
};

TEST_F(MacroEditContentTest, ReadsTheModuleAndTheMacroWideTables) {
    const EditConstrData data = recordOf(L"FinPlate", L"Bolts");
    MacroEditContent content;
    ASSERT_TRUE(readEditContent(data, content));
    EXPECT_EQ(content.dimensionValues,
              (Tvx_TextTable{{L"Pitch", L"60"}, {L"EdgeDistance", L"40"}}));
    EXPECT_EQ(content.constraints[0], (Tvx_StringArray{L"Pitch", L"1", L"1", L"", L"0"}));
    EXPECT_EQ(content.variables, (Tvx_TextTable{{L"gen_Gap", L"10"}, {L"gen_Shear", L"300"}}));
    Tvx_StringArray modules;
    ASSERT_TRUE(MacroGetModules(data, modules));
    EXPECT_EQ(modules, (Tvx_StringArray{L"FinPlate", L"Bolts"}));
}

TEST_F(MacroEditContentTest, AConstraintRowOfAnotherWidthIsRefusedAndReported) {
    const EditConstrData data = recordOf(L"FinPlate", L"FinPlate");
    MacroEditContent content;
    ASSERT_TRUE(readEditContent(data, content));
    content.dimensionValues[0].setAt(1, L"14");
    // Thickness without its flex fields: visible 0, settable 1, and nothing after.
    content.constraints[0] = Tvx_StringArray{L"Thickness", L"0", L"1"};
    HostRecorder commandLine;
    Tvx_String error;
    EXPECT_FALSE(writeEditContent(data, content, error));
    EXPECT_EQ(commandLine.output(), L"*Error* Array size mismatch.\n");
    EXPECT_NE(error.find(L"Constraints, row 1 (Thickness)"), -1) << error.toUtf8();
    EXPECT_EQ(value(L"FinPlate", L"FinPlate", L"Thickness"), 12.0);
    EXPECT_TRUE(macroNamed(L"FinPlate")
                    ->macro()
                    ->findModule(L"FinPlate")
                    ->findVariable(L"Thickness")
                    ->visible);

    content.constraints[0].append(Tvx_StringArray{L"", L"0", L"extra"});
    commandLine.clear();
    EXPECT_FALSE(writeEditContent(data, content, error));
    EXPECT_EQ(commandLine.output(), L"*Error* Array size mismatch.\n");
}

TEST_F(MacroEditContentTest, AnyBadCellLeavesTheWholeMacroAsItWas) {
    const EditConstrData data = recordOf(L"FinPlate", L"FinPlate");
    MacroEditContent content;
    ASSERT_TRUE(readEditContent(data, content));
    content.dimensionValues[0].setAt(1, L"14");
    content.variables.append(Tvx_StringArray{L"gen_New", L"5"});
    content.commands = {L"REGEN"};
    content.constraints[1].setAt(1, L"yes");  // a flag must be 1 or 0
    Tvx_String error;
    EXPECT_FALSE(writeEditContent(data, content, error));
    EXPECT_NE(error.find(L"Constraints, row 2 (Height)"), -1) << error.toUtf8();
    EXPECT_EQ(value(L"FinPlate", L"FinPlate", L"Thickness"), 12.0);
    double unused = 0;
    EXPECT_FALSE(macroNamed(L"FinPlate")->macro()->findGeneralVariable(L"gen_New", unused));
    EXPECT_TRUE(macroNamed(L"FinPlate")->macro()->settings().commands.isEmpty());

    content.constraints[1].setAt(1, L"0");
    content.dimensionValues.append(Tvx_StringArray{L"Nothing", L"1"});
    EXPECT_FALSE(writeEditContent(data, content, error));
    EXPECT_NE(error.find(L"Nothing"), -1) << error.toUtf8();

    content.dimensionValues.removeAt(content.dimensionValues.length() - 1);
    ASSERT_TRUE(writeEditContent(data, content, error, true));  // checking writes nothing
    EXPECT_EQ(value(L"FinPlate", L"FinPlate", L"Thickness"), 12.0);
    ASSERT_TRUE(writeEditContent(data, content, error)) << error.toUtf8();
    EXPECT_EQ(value(L"FinPlate", L"FinPlate", L"Thickness"), 14.0);
    EXPECT_FALSE(macroNamed(L"FinPlate")
                     ->macro()
                     ->findModule(L"FinPlate")
                     ->findVariable(L"Height")
                     ->visible);
    EXPECT_TRUE(macroNamed(L"FinPlate")->macro()->findGeneralVariable(L"gen_New", unused));
    EXPECT_EQ(macroNamed(L"FinPlate")->macro()->settings().commands, Tvx_StringArray{L"REGEN"});
}

TEST_F(MacroEditContentTest, AnotherMacroIsTheNextOneWithADefinition) {
    EditConstrData data = recordOf(L"FinPlate", L"Bolts");
    ASSERT_TRUE(SelectOtherMacro(data));
    EXPECT_EQ(data.dbMacro()->macro()->name(), L"EndPlateBeamToColumn");  // wraps around
    EXPECT_EQ(data.moduleName, L"EndPlate");
    ASSERT_TRUE(SelectOtherMacro(data));
    EXPECT_EQ(data.dbMacro()->macro()->name(), L"BasePlate");

    EditConstrData nowhere;
    EXPECT_FALSE(SelectOtherMacro(nowhere));
    MacroEditContent content;
    EXPECT_FALSE(readEditContent(nowhere, content));
}

}  // namespace
