// PatternArrayRulesTest.cpp - the bolt pattern fields and pictures, and the stored form of the
// array dialog (an empty alternation choice is -1 and shows as the last item).
#include <gtest/gtest.h>

#include "DetailTestTexts.h"
#include "macrodlg/detail/ArrayDetailRules.h"
#include "macrodlg/detail/PatternDetailRules.h"

namespace {

class PatternArrayRules : public DetailTexts {};

TEST_F(PatternArrayRules, AlternationPicturesAreNumberedFromOne) {
    const Tvx_String path = alternationPicturePath(3);
    EXPECT_TRUE(path.endsWith(L"\\icons\\BoltAlternation3.bmp", true)) << path.toUtf8();
    EXPECT_EQ(path.find(L"\\\\"), -1) << "no doubled separator";
}

TEST_F(PatternArrayRules, PatternFieldsAreStoredOnlyWhenValid) {
    MacroPatternProps props;
    props.count1 = L"2";
    const MacroPatternProps before = props;
    EXPECT_FALSE(storePatternFields(props, L"0", L"", false, false, 1));
    EXPECT_FALSE(storePatternFields(props, L"3", L"", false, false, 6));
    EXPECT_FALSE(storePatternFields(props, L"2.5", L"", false, false, 1));
    EXPECT_EQ(props, before);

    ASSERT_TRUE(storePatternFields(props, L"4", L"9", true, true, 5));
    EXPECT_EQ(props.count1, L"4");
    EXPECT_TRUE(props.reverseStart1);
    EXPECT_EQ(props.alternation, 5);
    // A one-direction pattern keeps its second direction as it was.
    EXPECT_EQ(props.count2, before.count2);
    EXPECT_FALSE(props.reverseStart2);
}

TEST_F(PatternArrayRules, TwoDirectionPatternNeedsBothCounts) {
    MacroPatternProps props;
    props.typeCode = 282;
    EXPECT_FALSE(storePatternFields(props, L"3", L"", false, false, 2));
    ASSERT_TRUE(storePatternFields(props, L"3", L"2", false, true, 2));
    EXPECT_EQ(props.count2, L"2");
    EXPECT_TRUE(props.reverseStart2);
}

TEST_F(PatternArrayRules, EmptyAlternationChoiceIsMinusOneAndTheLastItem) {
    EXPECT_EQ(arraySideItems(), (Tvx_StringArray{L"A", L"B", L"none"}));
    EXPECT_EQ(arrayStepItems(), (Tvx_StringArray{L"A", L"B", L"C", L"D", L"none"}));
    EXPECT_EQ(arraySideToItem(-1), 2);
    EXPECT_EQ(arrayStepToItem(-1), 4);
    EXPECT_EQ(arraySideToItem(1), 1);
    EXPECT_EQ(arrayStepToItem(3), 3);
    EXPECT_EQ(arraySideToItem(7), 2);
    EXPECT_EQ(arraySideFromItem(2), -1);
    EXPECT_EQ(arrayStepFromItem(4), -1);
    EXPECT_EQ(arrayStepFromItem(0), 0);
}

TEST_F(PatternArrayRules, StoredArrayHasFiveColumnsAndEntriesFromTheFirst) {
    DynArrayData data;
    data.name = L"Stiffeners";
    DynArrayDetails edited;
    edited.rows = {{L"Stiffener", L"2"}, {L"Plate", L"1", L"50", L"0", L"90", L"extra"}};
    edited.skip = -3;
    edited.alternateSide = 9;
    storeArrayDetails(data, edited);
    ASSERT_EQ(data.details.rows.length(), 2);
    EXPECT_EQ(data.details.rows[0], (Tvx_StringArray{L"Stiffener", L"2", L"", L"", L""}));
    EXPECT_EQ(data.details.rows[1], (Tvx_StringArray{L"Plate", L"1", L"50", L"0", L"90"}));
    EXPECT_EQ(data.entries, (Tvx_StringArray{L"Stiffener", L"Plate"}));
    EXPECT_EQ(data.details.skip, 0);
    EXPECT_EQ(data.details.alternateSide, -1);
    EXPECT_EQ(data.name, L"Stiffeners");
}

}  // namespace
