// MacroDataTests.cpp - the macro dialog record built from a placed macro: tabs, bolt counts,
// bolt data, merged profile groups, flex-fix buttons, differences and writing tabs back.
#include <gtest/gtest.h>

#include "SampleDrawing.h"
#include "core/macro/MacroDataSync.h"

namespace {

class MacroDataTest : public SampleDrawingTest {
  protected:
    void SetUp() override {
        SampleDrawingTest::SetUp();
        ASSERT_EQ(buildMacroData(dbMacro, data), Acad::eOk);
    }
    MacroTabData& tab(const wchar_t* moduleName) {
        MacroTabData* found = data.getTab(data.findTab(moduleName));
        EXPECT_NE(found, nullptr) << Tvx_String(moduleName);
        return *found;
    }

    MacroData data;
};

TEST_F(MacroDataTest, OneTabPerModuleGroupFoundByGroupKey) {
    ASSERT_EQ(data.tabs.length(), 3);
    EXPECT_EQ(data.findTab(L"plate"), 0);  // group name, not module name
    EXPECT_EQ(data.findTab(L"EndPlate"), -1);
    EXPECT_EQ(data.findTab(L"Bolts"), 1);
    EXPECT_EQ(data.getTab(3), nullptr);
    EXPECT_EQ(data.getTab(-1), nullptr);
    EXPECT_EQ(tab(L"Bolts").kind, 1);
    EXPECT_EQ(tab(L"Stiffeners").kind, 2);
    EXPECT_EQ(tab(L"Plate").findCellWithName(L"Area")->readOnly, true);
    EXPECT_EQ(tab(L"Plate").getBoltData(), nullptr);
    EXPECT_EQ(data.selectedIds, AcArray<AcDbObjectId>{dbMacro->id()});

    MacroData untouched;
    untouched.title = L"kept";
    Tvx_DbMacro empty(AcDbObjectId(1));
    EXPECT_EQ(buildMacroData(&empty, untouched), Acad::eInvalidInput);
    EXPECT_EQ(buildMacroData(nullptr, untouched), Acad::eInvalidInput);
    EXPECT_EQ(untouched.title, L"kept");
}

TEST_F(MacroDataTest, BoltCountsByDirection) {
    MacroTabData& bolts = tab(L"Bolts");
    struct Case {
        const wchar_t* pattern;
        bool first;
        bool reading;
        const wchar_t* value;
        Acad::ErrorStatus result;
        const wchar_t* after;  // the value read afterwards
    } cases[] = {
        {L"P1", true, true, L"", Acad::eOk, L"2"},
        {L"P1", false, true, L"", Acad::eOk, L"4"},
        {L"P1", false, false, L" 6 ", Acad::eOk, L"6"},
        {L"P1", true, false, L"0", Acad::eInvalidInput, L"2"},
        {L"P1", true, false, L"2.5", Acad::eInvalidInput, L"2"},
        {L"P1", true, false, L"#VALUE!", Acad::eInvalidInput, L"2"},
        {L"P2", false, true, L"", Acad::eInvalidInput, L""},  // one direction only
        {L"P9", true, true, L"", Acad::eInvalidInput, L""},
    };
    for (const Case& c : cases) {
        Tvx_String value = c.value;
        EXPECT_EQ(getSetNrBolts(&bolts, c.pattern, value, c.reading, c.first), c.result)
            << Tvx_String(c.pattern) << " " << Tvx_String(c.value);
        if (c.result == Acad::eOk || c.after[0] != 0) {
            Tvx_String read;
            getSetNrBolts(&bolts, c.pattern, read, true, c.first);
            EXPECT_EQ(read, c.after) << Tvx_String(c.pattern) << " " << Tvx_String(c.value);
        }
    }
    Tvx_String value;
    EXPECT_EQ(getSetNrBolts(nullptr, L"P1", value, true, true), Acad::eInvalidInput);
    EXPECT_EQ(bolts.findPatternWithName(L"P1")->getCount(), 2);
    EXPECT_EQ(MacroPatternProps{}.getCount(), -1);
}

TEST_F(MacroDataTest, BoltDataTexts) {
    const MacroBoltData* bolt = tab(L"Bolts").getBoltData();
    ASSERT_NE(bolt, nullptr);
    EXPECT_EQ(bolt->diameter, L"20");
    EXPECT_EQ(bolt->holeOffset, L"2");
    EXPECT_EQ(bolt->count, 2 * 4 + 2);
}

TEST_F(MacroDataTest, MergedProfileGroups) {
    MacroTabData& profiles = tab(L"Stiffeners");
    MacroProfData merged;
    ASSERT_TRUE(profiles.getMergedPropsOfGroup(L"StiffenerTop", merged));
    EXPECT_EQ(merged.memberName, L"StiffenerTop");
    EXPECT_EQ(merged.sectionName, L"FL10x90");
    EXPECT_FALSE(profiles.getMergedPropsOfGroup(L"Missing", merged));

    // Two profiles in one group: fields that differ come back mixed.
    profiles.profData[1].groupName = L"StiffenerTop";
    ASSERT_TRUE(data.getMergedPropsOfGroup(L"Stiffeners", L"StiffenerTop", merged));
    EXPECT_EQ(merged.memberName, L"");
    EXPECT_EQ(merged.rotation, -1);
    EXPECT_EQ(merged.material, L"S235JR");

    // Setting mixed fields keeps each profile's own value.
    merged.material = L"S355";
    ASSERT_TRUE(data.setMergedPropsOfGroup(L"Stiffeners", L"StiffenerTop", merged));
    EXPECT_EQ(profiles.profData[0].rotation, 0);
    EXPECT_EQ(profiles.profData[1].rotation, 180);
    EXPECT_EQ(profiles.profData[1].material, L"S355");
    EXPECT_FALSE(data.setMergedPropsOfGroup(L"Nothing", L"StiffenerTop", merged));
}

TEST_F(MacroDataTest, FlexFixButtonsKeepOneFlexibleVariablePerGroup) {
    MacroTabData& plate = tab(L"Plate");
    EXPECT_TRUE(plate.hasBtnFlexFix(L"height"));
    EXPECT_FALSE(plate.hasBtnFlexFix(L"Width"));
    bool fixed = false, flexible = true;
    EXPECT_FALSE(plate.getFlexFixBtnStatus(L"Width", fixed, flexible));
    EXPECT_FALSE(fixed);  // untouched on failure
    EXPECT_TRUE(flexible);

    ASSERT_TRUE(plate.getFlexFixBtnStatus(L"BottomExtension", fixed, flexible));
    EXPECT_TRUE(flexible);
    EXPECT_TRUE(plate.flexFixBtnClicked(L"BottomExtension", false));
    plate.getFlexFixBtnStatus(L"BottomExtension", fixed, flexible);
    EXPECT_TRUE(fixed);
    plate.getFlexFixBtnStatus(L"TopExtension", fixed, flexible);
    EXPECT_TRUE(flexible);
    EXPECT_FALSE(plate.flexFixBtnClicked(L"BottomExtension", false));  // already fixed

    EXPECT_TRUE(plate.flexFixBtnClicked(L"Height", L"BottomExtension", 1));
    plate.getFlexFixBtnStatus(L"TopExtension", fixed, flexible);
    EXPECT_TRUE(fixed);
    EXPECT_FALSE(plate.flexFixBtnClicked(L"Height", L"BottomExtension", 2));
    EXPECT_FALSE(plate.flexFixBtnClicked(L"Other", L"BottomExtension", 0));
}

TEST_F(MacroDataTest, DifferencesListChangedElements) {
    const MacroData before = data;
    Tvx_Array<Tvx_Array<int>> changed, patterns;
    data.differences(before, changed, patterns);
    ASSERT_EQ(changed.length(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(changed[i].isEmpty() && patterns[i].isEmpty());
    }

    tab(L"Plate").findCellWithName(L"Width")->value = L"200";
    tab(L"Bolts").findPatternWithName(L"P2")->count1 = L"3";
    tab(L"Bolts").boltData.diameter = L"24";
    data.differences(before, changed, patterns);
    EXPECT_EQ(changed[0], Tvx_Array<int>{1});
    EXPECT_EQ(changed[1], Tvx_Array<int>{kDiffBoltData});
    EXPECT_EQ(patterns[1], Tvx_Array<int>{1});

    removeAll(changed, kDiffBoltData);
    EXPECT_TRUE(changed[1].isEmpty());
}

TEST_F(MacroDataTest, UpdateModuleWritesTheTabIntoTheDrawing) {
    MacroTabData& plate = tab(L"Plate");
    plate.findCellWithName(L"Width")->value = L"200";
    plate.findCellWithName(L"Height")->value = L"#VALUE!";  // not a number: not written
    plate.findCellWithName(L"Area")->value = L"1";          // not settable: not written
    MacroTabData& bolts = tab(L"Bolts");
    bolts.findPatternWithName(L"P1")->count2 = L"5";
    bolts.boltData.diameter = L"24";
    MacroProfData top;
    tab(L"Stiffeners").getMergedPropsOfGroup(L"StiffenerTop", top);
    top.sectionName = L"FL12x100";
    tab(L"Stiffeners").setMergedPropsOfGroup(L"StiffenerTop", top);

    for (const wchar_t* name : {L"Plate", L"Bolts", L"Stiffeners"}) {
        EXPECT_TRUE(UpdateModule(name, data, {}, {})) << Tvx_String(name);
    }
    EXPECT_FALSE(UpdateModule(L"Nothing", data, {}, {}));

    const Tvx_Module* endPlate = module(L"EndPlate");
    EXPECT_DOUBLE_EQ(endPlate->findVariable(L"Width")->value, 200);
    EXPECT_DOUBLE_EQ(endPlate->findVariable(L"Height")->value, 340);
    EXPECT_DOUBLE_EQ(endPlate->findVariable(L"Area")->value, 61200);
    auto* boltModule = dynamic_cast<Tvx_BoltModule*>(module(L"Bolts"));
    EXPECT_EQ(boltModule->findPattern(Tvx_String(L"P1"))->nrBolts2, 5);
    EXPECT_DOUBLE_EQ(boltModule->boltData().diameter, 24);
    AcDbObjectId id;
    getNamedPrpl(module(L"Stiffeners"), L"StiffenerTop", id);
    Tvx_String section;
    getSectionName(id, section);
    EXPECT_EQ(section, L"FL12x100");
}

TEST_F(MacroDataTest, ControlReferencesAreCleared) {
    MacroTabData& bolts = tab(L"Bolts");
    bolts.cells[0].ctrl = 33000;
    bolts.patterns[0].btnCtrl = -2;
    EXPECT_EQ(bolts.findPatternWithBtnId(-2), &bolts.patterns[0]);
    bolts.removeAllDlgReferences();
    EXPECT_EQ(bolts.cells[0].ctrl, 0);
    EXPECT_EQ(bolts.findPatternWithBtnId(-2), nullptr);
}

}  // namespace
