// ModuleGroupAccessTests.cpp - module-group mode on the sample drawing: every name suffix read
// and written, the fall-through rules between them, and refused values.
#include <gtest/gtest.h>

#include <memory>

#include "MacroAccessFixture.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

struct ReadCase {
    const wchar_t* group;
    const wchar_t* name;
    OvValueType type;
    bool ok;
    const wchar_t* value;  // expected, or the untouched value on failure
};

}  // namespace

class ModuleGroupAccessTest : public MacroAccessTest {
  protected:
    void SetUp() override {
        MacroAccessTest::SetUp();
        ASSERT_EQ(mapping.initFromModuleGroup(L"Plate"), Acad::eOk);
    }

    Acad::ErrorStatus read(const wchar_t* group, const wchar_t* name, OvValueType type,
                           Tvx_String& value) {
        return mapping.getMacroVarValue(name, type, value,
                                        request((L"Module." + std::wstring(group)).c_str()));
    }
    Acad::ErrorStatus write(const wchar_t* group, const wchar_t* name, OvValueType type,
                            const wchar_t* value) {
        return mapping.setMacroVarValue(name, type, value,
                                        request((L"Module." + std::wstring(group)).c_str()));
    }

    OvSSMapping mapping;
};

TEST_F(ModuleGroupAccessTest, ReadsEverySuffix) {
    const ReadCase cases[] = {
        {L"Plate", L"Thickness", OvValueDouble, true, L"15"},
        {L"Plate", L"Thickness", OvValueInt, true, L"15"},
        {L"Plate", L"gen.Gap", OvValueDouble, true, L"10"},
        {L"Plate", L"gen.Missing", OvValueDouble, false, L"old"},
        {L"Plate", L"BeamCut.Cut", OvValueDouble, true, L"10"},
        {L"Plate", L"BeamCut.CutPoly", OvValueDouble, true, L"2"},
        {L"Plate", L"BeamCut.CutLength", OvValueDouble, false, L"old"},  // the cut lacks it
        {L"Plate", L"CornerCut.Chamfer1", OvValueDouble, true, L"15"},
        {L"Plate", L"CornerCut.Chamfer2", OvValueDouble, true, L"15"},
        {L"Plate", L"CornerCut.CutRadius", OvValueDouble, true, L"5"},
        {L"Bolts", L"Bolts.Diameter", OvValueDouble, true, L"20"},
        {L"Bolts", L"x.HoleOffset", OvValueDouble, true, L"2"},
        {L"Plate", L"x.Diameter", OvValueDouble, false, L"old"},  // no bolt block
        {L"Bolts", L"P1.NrBolts1", OvValueString, true, L"2"},
        {L"Bolts", L"P1.NrBolts2", OvValueInt, true, L"4"},
        {L"Bolts", L"P2.NrBolts2", OvValueString, false, L"old"},  // one direction only
        {L"Bolts", L"P1.ReverseStart1", OvValueInt, true, L"0"},
        {L"Bolts", L"P1.ReverseStart2", OvValueInt, true, L"1"},
        {L"Plate", L"P1.ReverseStart1", OvValueInt, false, L"old"},  // not a bolt module
        {L"Bolts", L"Pitch", OvValueDouble, true, L"70"},
        {L"Stiffeners", L"StiffenerTop.Name", OvValueString, true, L"FL10x90"},
        {L"Stiffeners", L"StiffenerBottom.Material", OvValueString, true, L"S235JR"},
        {L"Stiffeners", L"StiffenerTop.MemberName", OvValueString, true, L"StiffenerTop"},
        {L"Stiffeners", L"StiffenerChamfer.Chamfer2", OvValueDouble, true, L"20"},
        {L"Stiffeners", L"StiffenerThickness", OvValueDouble, true, L"10"},
        // A numeric .Name is no suffix case: it is looked up as a dialog variable.
        {L"Stiffeners", L"StiffenerTop.Name", OvValueDouble, false, L"old"},
        // A missing placement goes on to the other rules, and a text without suffix fails.
        {L"Stiffeners", L"Nobody.Name", OvValueString, false, L"old"},
        {L"Plate", L"Thickness", OvValueString, false, L"old"},
        {L"Plate", L"Missing", OvValueDouble, false, L"old"},
        {L"NoSuchGroup", L"Thickness", OvValueDouble, false, L"old"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << Tvx_String(c.group) << " " << Tvx_String(c.name) << " type " << c.type);
        Tvx_String value = L"old";
        EXPECT_EQ(read(c.group, c.name, c.type, value) == Acad::eOk, c.ok);
        EXPECT_EQ(value, c.value);
    }
}

TEST_F(ModuleGroupAccessTest, GeneralVariablePrecisionDiffersFromObjectAccess) {
    ASSERT_TRUE(macro->setGeneralVariable(L"gen_Gap", 10.123456789));
    Tvx_String value;
    ASSERT_EQ(read(L"Plate", L"gen.Gap", OvValueDouble, value), Acad::eOk);
    EXPECT_EQ(value, L"10.1235");

    OvSSMapping objects;
    ASSERT_EQ(objects.initMappingFromLine(L"Key=Gap\u0192\u2022GenVar gen_Gap"), Acad::eOk);
    ASSERT_EQ(objects.getMacroVarValue(L"Gap", OvValueDouble, value, request(L"Key")), Acad::eOk);
    EXPECT_EQ(value, L"10.12345679");
}

TEST_F(ModuleGroupAccessTest, WritesReachTheMacroAndTheDialogRecord) {
    ASSERT_EQ(write(L"Plate", L"Thickness", OvValueDouble, L"20"), Acad::eOk);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"Thickness"), 20.0);

    ASSERT_EQ(write(L"Plate", L"gen.Gap", OvValueDouble, L"12.5"), Acad::eOk);
    EXPECT_DOUBLE_EQ(macro->generalVariableValue(L"gen_Gap"), 12.5);

    ASSERT_EQ(write(L"Plate", L"BeamCut.CutPoly", OvValueDouble, L"3.25"), Acad::eOk);
    Tvx_String value;
    ASSERT_EQ(read(L"Plate", L"BeamCut.CutPoly", OvValueDouble, value), Acad::eOk);
    EXPECT_EQ(value, L"3.25");

    ASSERT_EQ(write(L"Bolts", L"b.Diameter", OvValueDouble, L"24"), Acad::eOk);
    EXPECT_EQ(tab(L"Bolts")->boltData.diameter, L"24");

    ASSERT_EQ(write(L"Bolts", L"P1.NrBolts2", OvValueString, L"6"), Acad::eOk);
    EXPECT_EQ(tab(L"Bolts")->findPatternWithName(L"P1")->count2, L"6");

    ASSERT_EQ(write(L"Stiffeners", L"StiffenerTop.MemberName", OvValueString, L"Rib"), Acad::eOk);
    MacroProfData merged;
    ASSERT_TRUE(tab(L"Stiffeners")->getMergedPropsOfGroup(L"StiffenerTop", merged));
    EXPECT_EQ(merged.memberName, L"Rib");
}

TEST_F(ModuleGroupAccessTest, ReverseStartWrittenAndReadBackKeepsItsSense) {
    for (const wchar_t* flag : {L"1", L"0"}) {
        ASSERT_EQ(write(L"Bolts", L"P1.ReverseStart1", OvValueInt, flag), Acad::eOk);
        Tvx_String value;
        ASSERT_EQ(read(L"Bolts", L"P1.ReverseStart1", OvValueInt, value), Acad::eOk);
        EXPECT_EQ(value, flag);
    }
}

TEST_F(ModuleGroupAccessTest, WritingAFlexibleVariableFixesIt) {
    bool fixed = false;
    bool flexible = false;
    ASSERT_TRUE(tab(L"Plate")->getFlexFixBtnStatus(L"BottomExtension", fixed, flexible));
    ASSERT_TRUE(flexible);
    ASSERT_EQ(write(L"Plate", L"BottomExtension", OvValueDouble, L"25"), Acad::eOk);
    ASSERT_TRUE(tab(L"Plate")->getFlexFixBtnStatus(L"BottomExtension", fixed, flexible));
    EXPECT_TRUE(fixed);
    EXPECT_FALSE(flexible);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"BottomExtension"), 25.0);
}

TEST_F(ModuleGroupAccessTest, RefusedWritesChangeNothing) {
    struct Case {
        const wchar_t* group;
        const wchar_t* name;
        OvValueType type;
        const wchar_t* value;
    };
    const Case cases[] = {
        {L"Plate", L"Thickness", OvValueDouble, L"#VALUE!"},    // a failed formula
        {L"Plate", L"Area", OvValueDouble, L"5"},               // not settable
        {L"Plate", L"BeamCut.Cut", OvValueDouble, L"#DIV/0!"},  // not taken as 0
        {L"Plate", L"gen.Gap", OvValueDouble, L""},
        {L"Bolts", L"P1.NrBolts1", OvValueString, L"0"},
        {L"Stiffeners", L"StiffenerTop.Name", OvValueString, L"IPE300"},  // read-only suffix
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Tvx_String(c.name));
        EXPECT_EQ(write(c.group, c.name, c.type, c.value), Acad::eInvalidInput);
    }
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"Thickness"), 15.0);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"Area"), 61200.0);
    EXPECT_DOUBLE_EQ(macro->generalVariableValue(L"gen_Gap"), 10.0);
    Tvx_String cut;
    ASSERT_EQ(read(L"Plate", L"BeamCut.Cut", OvValueDouble, cut), Acad::eOk);
    EXPECT_EQ(cut, L"10");
    EXPECT_EQ(tab(L"Bolts")->findPatternWithName(L"P1")->count1, L"2");
}

TEST_F(ModuleGroupAccessTest, NoMacroFails) {
    OvDlgStandardsData empty;
    empty.moduleGroup = L"Plate";
    Tvx_String value = L"old";
    EXPECT_EQ(mapping.getMacroVarValue(L"Thickness", OvValueDouble, value, empty),
              Acad::eInvalidInput);
    EXPECT_EQ(mapping.setMacroVarValue(L"Thickness", OvValueDouble, L"1", empty),
              Acad::eInvalidInput);
    EXPECT_EQ(value, L"old");
}

TEST_F(ModuleGroupAccessTest, GroupOfTwoModulesIsWrittenWhole) {
    auto second = std::make_unique<Tvx_Module>(L"EndPlateRight", L"Plate");
    Tvx_DialogVariable thickness;
    thickness.name = L"Thickness";
    thickness.value = 12.0;
    ASSERT_TRUE(second->addVariable(thickness));
    ASSERT_NE(macro->addModule(std::move(second)), nullptr);

    Tvx_String value;
    ASSERT_EQ(read(L"Plate", L"Thickness", OvValueDouble, value), Acad::eOk);
    EXPECT_EQ(value, L"15");  // the first module of the group answers
    ASSERT_EQ(write(L"Plate", L"Thickness", OvValueDouble, L"22"), Acad::eOk);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"Thickness"), 22.0);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlateRight", L"Thickness"), 22.0);
    // Only the first module has Width: the group is not fully written, which is reported.
    EXPECT_EQ(write(L"Plate", L"Width", OvValueDouble, L"190"), Acad::eInvalidInput);
}
