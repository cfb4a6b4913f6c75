// MacroOperationTests.cpp - the module, constraint, cut, pattern and profile operations the
// standards engine relies on, success and failure paths, on the end-plate sample drawing.
#include <gtest/gtest.h>

#include "SampleDrawing.h"

namespace {

using Ops = SampleDrawingTest;

TEST_F(Ops, ModuleGroupsAreFoundByGroupOrOwnName) {
    struct Case {
        const wchar_t* group;
        Acad::ErrorStatus result;
        int count;
    } cases[] = {{L"Plate", Acad::eOk, 1},
                 {L"plate", Acad::eOk, 1},
                 {L"Bolts", Acad::eOk, 1},
                 {L"EndPlate", Acad::eInvalidInput, 0},
                 {L"Nothing", Acad::eInvalidInput, 0},
                 {L"", Acad::eInvalidInput, 0}};
    for (const Case& c : cases) {
        Tvx_StringArray names;
        EXPECT_EQ(getModNamesOfGroup(macro, c.group, names), c.result) << Tvx_String(c.group);
        EXPECT_EQ(names.length(), c.count) << Tvx_String(c.group);
    }
    Tvx_StringArray names;
    EXPECT_EQ(getModNamesOfGroup(nullptr, L"Plate", names), Acad::eInvalidInput);
}

TEST_F(Ops, OpeningModulesChecksNameAndPosition) {
    Tvx_Module* found = nullptr;
    EXPECT_EQ(openModule(macro, L"Bolts", 0, found), Acad::eOk);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->type(), kBoltModuleType);
    EXPECT_EQ(module(L"Stiffeners")->type(), kProfileModuleType);
    EXPECT_EQ(module(L"EndPlate")->type(), kGeneralModuleType);
    Tvx_Module* untouched = nullptr;
    EXPECT_EQ(openModule(macro, L"Bolts", -1, untouched), Acad::eInvalidInput);
    EXPECT_EQ(openModule(macro, L"Missing", 0, untouched), Acad::eInvalidInput);
    EXPECT_EQ(openModule(nullptr, L"Bolts", 0, untouched), Acad::eInvalidInput);
    EXPECT_EQ(untouched, nullptr);
}

TEST_F(Ops, ConstraintValuesReadAndWrite) {
    Tvx_Module* plate = module(L"EndPlate");
    Tvx_String value;
    ASSERT_EQ(getSetConstrVarValue(plate, L"thickness", value, true), Acad::eOk);
    EXPECT_EQ(value, L"15");
    value = L" 12.5 ";
    ASSERT_EQ(getSetConstrVarValue(plate, L"Thickness", value, false), Acad::eOk);
    ASSERT_EQ(getSetConstrVarValue(plate, L"Thickness", value, true), Acad::eOk);
    EXPECT_EQ(value, L"12.5");

    // Refused writes leave the value as it was.
    struct Case {
        const wchar_t* variable;
        const wchar_t* value;
    } refused[] = {{L"Thickness", L"#VALUE!"},
                   {L"Thickness", L""},
                   {L"Thickness", L"7x"},
                   {L"Area", L"100"},
                   {L"Missing", L"1"}};
    for (const Case& c : refused) {
        Tvx_String text = c.value;
        EXPECT_EQ(getSetConstrVarValue(plate, c.variable, text, false), Acad::eInvalidInput)
            << Tvx_String(c.variable) << " " << text;
    }
    EXPECT_DOUBLE_EQ(plate->findVariable(L"Thickness")->value, 12.5);
    EXPECT_DOUBLE_EQ(plate->findVariable(L"Area")->value, 61200);
    EXPECT_EQ(getSetConstrVarValue(nullptr, L"Thickness", value, true), Acad::eInvalidInput);
}

TEST_F(Ops, DialogVariablesCarryVisibleAndSettableFlags) {
    Tvx_StringArray names;
    std::vector<bool> visible, settable;
    ASSERT_EQ(getDialogVariables(module(L"EndPlate"), names, visible, settable), Acad::eOk);
    ASSERT_EQ(names.length(), 6);
    EXPECT_EQ(names[5], L"Area");
    EXPECT_FALSE(visible[5]);
    EXPECT_FALSE(settable[5]);
    EXPECT_TRUE(visible[0] && settable[0]);
    EXPECT_EQ(getDialogVariables(nullptr, names, visible, settable), Acad::eInvalidInput);
}

TEST_F(Ops, CutOffsetsByKind) {
    Tvx_Module* plate = module(L"EndPlate");
    Tvx_StringArray names;
    AcArray<AcDbObjectId> ids;
    ASSERT_EQ(getCutConstraints(plate, names, ids), Acad::eOk);
    ASSERT_EQ(names.length(), 2);
    ASSERT_EQ(ids.length(), 2);

    AcDbObjectId corner;
    ASSERT_EQ(getCutConstraint(plate, L"cornercut", corner), Acad::eOk);
    EXPECT_EQ(corner, ids[1]);
    AcArray<OvCutOffsetType> kinds;
    ASSERT_EQ(getCutOffsets(corner, kinds), Acad::eOk);
    EXPECT_EQ(kinds,
              (AcArray<OvCutOffsetType>{eCutChamferOffset1, eCutChamferOffset2, eCutRadius}));

    double number = 0;
    ASSERT_EQ(getSetCutValue(plate, corner, eCutRadius, number, true), Acad::eOk);
    EXPECT_DOUBLE_EQ(number, 5);
    number = 8;
    ASSERT_EQ(getSetCutValue(plate, corner, eCutRadius, number, false), Acad::eOk);
    number = 0;
    getSetCutValue(plate, corner, eCutRadius, number, true);
    EXPECT_DOUBLE_EQ(number, 8);

    // The cut lacks a plain offset; kinds out of range; a cut of another module.
    EXPECT_EQ(getSetCutValue(plate, corner, eCutOffset, number, true), Acad::eInvalidInput);
    EXPECT_EQ(getSetCutValue(plate, corner, 9, number, true), Acad::eInvalidInput);
    EXPECT_EQ(getSetCutValue(plate, corner, -1, number, true), Acad::eInvalidInput);
    EXPECT_EQ(getSetCutValue(module(L"Stiffeners"), corner, eCutRadius, number, true),
              Acad::eInvalidInput);
    AcDbObjectId none;
    EXPECT_EQ(getCutConstraint(plate, L"Missing", none), Acad::eInvalidInput);
    EXPECT_EQ(getCutOffsets(AcDbObjectId(), kinds), Acad::eInvalidInput);
}

TEST(CutOffsetTypes, NamesAndKeysCoverTheNineKinds) {
    Tvx_StringArray names;
    getOffsetTypeStrings(names);
    ASSERT_EQ(names.length(), kCutOffsetTypeCount);
    EXPECT_EQ(names[eCutRadius], L"Radius");
    for (int k = 0; k < kCutOffsetTypeCount; ++k) {
        OvCutOffsetType back;
        ASSERT_TRUE(cutOffsetTypeFromKey(cutOffsetTypeKey(static_cast<OvCutOffsetType>(k)), back));
        EXPECT_EQ(back, k);
    }
    OvCutOffsetType unused;
    EXPECT_FALSE(cutOffsetTypeFromKey(L"offset", unused));  // keys are exact
}

TEST_F(Ops, PatternsOfBoltModules) {
    Tvx_Module* bolts = module(L"Bolts");
    AcDbObjectId p1, p2;
    ASSERT_EQ(findPattern(bolts, L"p1", p1), Acad::eOk);
    ASSERT_EQ(findPattern(bolts, L"P2", p2), Acad::eOk);
    const Tvx_BoltPattern* pattern = nullptr;
    ASSERT_EQ(getPattern(p1, pattern), Acad::eOk);
    EXPECT_EQ(pattern->typeCode, kPatternTwoDirections);
    AcArray<AcDbObjectId> ids;
    ASSERT_EQ(getPatternIds(bolts, ids), Acad::eOk);
    EXPECT_EQ(ids, (AcArray<AcDbObjectId>{p1, p2}));

    AcDbObjectId none;
    EXPECT_EQ(findPattern(module(L"EndPlate"), L"P1", none), Acad::eInvalidInput);
    EXPECT_EQ(findPattern(bolts, L"P9", none), Acad::eInvalidInput);
    EXPECT_EQ(getPatternIds(module(L"EndPlate"), ids), Acad::eInvalidInput);
    EXPECT_EQ(getPattern(AcDbObjectId(), pattern), Acad::eInvalidInput);
    AcTransaction ended;
    ended.commit();
    EXPECT_EQ(findPattern(bolts, L"P1", none, &ended), Acad::eInvalidInput);
    EXPECT_TRUE(none.isNull());
}

TEST_F(Ops, ReverseStartWrittenAndReadBackKeepsItsMeaning) {
    Tvx_Module* bolts = module(L"Bolts");
    AcDbObjectId p1, p2;
    findPattern(bolts, L"P1", p1);
    findPattern(bolts, L"P2", p2);
    AcTransaction transaction;

    // The sample has P1 reversed in its second direction only; reading reports "normal start".
    bool flag = true;
    ASSERT_EQ(getSetBoltPatternReverses(bolts, p1, true, true, flag, &transaction), Acad::eOk);
    EXPECT_TRUE(flag);
    ASSERT_EQ(getSetBoltPatternReverses(bolts, p1, false, true, flag, &transaction), Acad::eOk);
    EXPECT_FALSE(flag);

    // What the standards access does: write "1" as true, read back true as "0", false as "1".
    for (bool reversed : {true, false}) {
        bool written = reversed;
        ASSERT_EQ(getSetBoltPatternReverses(bolts, p1, true, false, written, &transaction),
                  Acad::eOk);
        bool read = false;
        getSetBoltPatternReverses(bolts, p1, true, true, read, &transaction);
        EXPECT_EQ(read ? L"0" : L"1", Tvx_String(reversed ? L"1" : L"0"));
    }

    // P2 has one direction; a pattern of another module; an ended transaction.
    EXPECT_EQ(getSetBoltPatternReverses(bolts, p2, false, true, flag), Acad::eInvalidInput);
    EXPECT_EQ(getSetBoltPatternReverses(module(L"EndPlate"), p1, true, true, flag),
              Acad::eInvalidInput);
    transaction.abort();
    EXPECT_EQ(getSetBoltPatternReverses(bolts, p1, true, true, flag, &transaction),
              Acad::eInvalidInput);
}

TEST_F(Ops, PlacedAndBaseProfiles) {
    AcDbObjectId placed;
    ASSERT_EQ(getNamedPrpl(module(L"Stiffeners"), L"stiffenertop", placed), Acad::eOk);
    Tvx_String text;
    ASSERT_EQ(getSectionName(placed, text), Acad::eOk);
    EXPECT_EQ(text, L"FL10x90");
    EXPECT_EQ(getNamedPrpl(module(L"Stiffeners"), L"Missing", placed), Acad::eInvalidInput);
    EXPECT_EQ(getNamedPrpl(module(L"Bolts"), L"StiffenerTop", placed), Acad::eInvalidInput);

    AcArray<AcDbObjectId> bases;
    ASSERT_EQ(mapBaseProfIds(dbMacro, bases), Acad::eOk);
    ASSERT_EQ(bases.length(), 2);
    struct Case {
        int n;
        const wchar_t* section;
        const wchar_t* material;
    } cases[] = {{0, L"IPE300", L"S235JR"}, {1, L"HEB200", L"S355JR"}};
    AcTransaction transaction;
    for (const Case& c : cases) {
        AcDbObjectId id;
        ASSERT_EQ(getBaseProf(dbMacro, c.n, id), Acad::eOk);
        EXPECT_EQ(id, bases[c.n]);
        ASSERT_EQ(getSectionName(id, text, &transaction), Acad::eOk);
        EXPECT_EQ(text, c.section);
        ASSERT_EQ(getMaterial(id, text, &transaction), Acad::eOk);
        EXPECT_EQ(text, c.material);
    }
    AcDbObjectId id;
    EXPECT_EQ(getBaseProf(dbMacro, 2, id), Acad::eInvalidInput);
    EXPECT_EQ(getBaseProf(dbMacro, -1, id), Acad::eInvalidInput);
    EXPECT_EQ(getBaseProf(nullptr, 0, id), Acad::eInvalidInput);
    EXPECT_EQ(getSectionName(AcDbObjectId(123456789), text), Acad::eInvalidInput);
    transaction.commit();
    EXPECT_EQ(getMaterial(bases[0], text, &transaction), Acad::eInvalidInput);
}

TEST_F(Ops, IdsResolveOnlyWhileTheirDrawingIsOpen) {
    AcDbObjectId id;
    {
        Tvx_Drawing other;
        id = other.addProfile({AcDbObjectId(), L"Brace", L"L50x5", L"S235", 0, 0});
        Tvx_String text;
        ASSERT_EQ(getSectionName(id, text), Acad::eOk);
        EXPECT_EQ(text, L"L50x5");
    }
    Tvx_String text;
    EXPECT_EQ(getSectionName(id, text), Acad::eInvalidInput);
}

TEST_F(Ops, GeneralVariablesAreTheDrawings) {
    Tvx_StringArray names;
    macro->getGeneralVariables(names);
    EXPECT_EQ(names, (Tvx_StringArray{L"gen_Gap", L"gen_WeldSize", L"gen_EdgeDistance"}));
    EXPECT_DOUBLE_EQ(macro->generalVariableValue(L"GEN_GAP"), 10);
    EXPECT_TRUE(macro->setGeneralVariable(L"gen_Gap", 12.5));
    EXPECT_TRUE(macro->setGeneralVariable(L"gen_New", 3));
    double value = 0;
    EXPECT_TRUE(drawing.generalVariables().find(L"gen_gap", value));
    EXPECT_DOUBLE_EQ(value, 12.5);
    EXPECT_TRUE(drawing.generalVariables().contains(L"gen_New"));
    EXPECT_FALSE(macro->findGeneralVariable(L"gen_Missing", value));
    EXPECT_DOUBLE_EQ(macro->generalVariableValue(L"gen_Missing"), 0);

    Tvx_Macro loose(L"NotPlaced");  // outside a drawing there are none to change
    EXPECT_FALSE(loose.setGeneralVariable(L"gen_Gap", 1));
}

}  // namespace
