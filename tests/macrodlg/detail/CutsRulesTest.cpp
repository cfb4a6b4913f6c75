// CutsRulesTest.cpp - the cuts dialog record: defaults per kind, the order of the OK checks
// (empty name, name used by another cut, general-variable names) and the display names.
#include <gtest/gtest.h>

#include "DetailTestTexts.h"
#include "core/macro/MacroDetailRecords.h"
#include "macrodlg/detail/CutsDialogRules.h"

namespace {

class CutsRules : public DetailTexts {};

DlgMacroCutsData namedCut(const wchar_t* name) {
    DlgMacroCutsData data;
    data.name = name;
    data.otherCutNames = {L"Notch", L"Cope"};
    data.vars = DlgMacroCutsData::GetDefaultValues(2);
    return data;
}

TEST_F(CutsRules, EmptyOrBlankNameIsRefusedFirst) {
    for (const wchar_t* name : {L"", L"   "}) {
        DlgMacroCutsData data = namedCut(name);
        data.vars = {{L"Offset", L"oops", true}};  // also invalid: the name wins
        CutsRefusal refusal;
        ASSERT_TRUE(checkCutsRecord(data, refusal));
        EXPECT_EQ(refusal.text, L"No name given");
        EXPECT_EQ(refusal.caption, L"Name");
    }
}

TEST_F(CutsRules, NameOfAnotherCutIsRefusedBeforeTheVariableNames) {
    DlgMacroCutsData data = namedCut(L"notch");
    data.vars = {{L"Offset", L"x", true}};
    CutsRefusal refusal;
    ASSERT_TRUE(checkCutsRecord(data, refusal));
    EXPECT_EQ(refusal.text, L"Used\nOther");
    EXPECT_EQ(refusal.caption, L"InUse");
}

TEST_F(CutsRules, LinkedValuesMustNameGeneralVariables) {
    CutsRefusal refusal;
    for (const wchar_t* bad : {L"gen_", L"plate", L"gen_a b", L"gen_t-1", L"xgen_t"}) {
        DlgMacroCutsData data = namedCut(L"Cut 3");
        data.vars = {{L"Offset", L"12", false}, {L"Radius", bad, true}};
        ASSERT_TRUE(checkCutsRecord(data, refusal)) << bad;
        EXPECT_EQ(refusal.text, L"Bad\nNames start \"gen_\".\n");
        EXPECT_EQ(refusal.caption, L"Vars");
    }
    for (const wchar_t* good : {L"gen_t", L"GEN_Plate_2"}) {
        DlgMacroCutsData data = namedCut(L"Cut 3");
        data.vars = {{L"Radius", good, true}, {L"Offset", L"not linked, anything", false}};
        EXPECT_FALSE(checkCutsRecord(data, refusal)) << good;
    }
}

TEST_F(CutsRules, DefaultsFollowTheCutKind) {
    const auto names = [](int kind) {
        Tvx_StringArray list;
        for (const DlgMacroCutVar& v : DlgMacroCutsData::GetDefaultValues(kind)) {
            list.append(v.name);
        }
        return list;
    };
    EXPECT_EQ(names(5), (Tvx_StringArray{L"Offset1", L"Offset2"}));
    EXPECT_EQ(names(6), (Tvx_StringArray{L"Radius"}));
    EXPECT_TRUE(names(0).isEmpty());
    EXPECT_TRUE(names(7).isEmpty());
    for (int kind = 1; kind <= 6; ++kind) {
        EXPECT_FALSE(names(kind).isEmpty()) << kind;
    }
}

TEST_F(CutsRules, VariablesAreShownWithTheirTexts) {
    EXPECT_EQ(cutVarDisplayName(L"Offset"), L"Off");
    EXPECT_EQ(cutVarDisplayName(L"PolyOffset"), L"Poly");
    EXPECT_EQ(cutVarDisplayName(L"Offset1"), L"Out1");
    EXPECT_EQ(cutVarDisplayName(L"Offset2"), L"Out2");
    EXPECT_EQ(cutVarDisplayName(L"Radius"), L"Rad");
    EXPECT_EQ(cutVarDisplayName(L"offset"), L"offset");  // exact names only
    EXPECT_EQ(cutVarDisplayName(L"Depth"), L"Depth");
}

TEST_F(CutsRules, KindPicturesLieInTheIconsFolderInKindOrder) {
    EXPECT_TRUE(cutKindPicturePath(1).endsWith(L"icons\\CutProfvsPlate.bmp", true));
    EXPECT_TRUE(cutKindPicturePath(4).endsWith(L"icons\\CutProfvsProf3Segments.bmp", true));
    EXPECT_TRUE(cutKindPicturePath(6).endsWith(L"icons\\CutFillet.bmp", true));
    EXPECT_TRUE(cutKindPicturePath(0).isEmpty());
    EXPECT_TRUE(cutKindPicturePath(7).isEmpty());
}

}  // namespace
