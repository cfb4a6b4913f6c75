// DimensionPromptTests.cpp - the totals a dimension prompt shows and the offsets a new total gives.
#include <gtest/gtest.h>

#include "designer/Tvx_DesignerControl.h"
#include "macrodlg/DimensionPrompt.h"

namespace {

DimensionPromptValues values(int kind, double factor, double base, double offset,
                             std::optional<double> second = std::nullopt) {
    DimensionPromptValues v;
    v.kind = kind;
    v.factor = factor;
    v.base = base;
    v.offset = offset;
    v.second = second;
    return v;
}

TEST(DimensionPrompt, KindTwentyFiveDividesByTheFactorWithoutASecondControl) {
    // base 100, offset 10, factor 0.5: 100 + 10 / 0.5 = 120.
    const DimensionPromptValues v = values(25, 0.5, 100, 10);
    ASSERT_EQ(dimensionPromptTotal(v), 120.0);
    // A new total of 130: offset = 0.5 * (130 - 100) = 15, and the total reads back as 130.
    const DimensionPromptResult r = dimensionPromptApply(v, 130);
    EXPECT_DOUBLE_EQ(r.offset, 15.0);
    EXPECT_FALSE(r.second.has_value());
    EXPECT_EQ(dimensionPromptTotal(values(25, 0.5, 100, r.offset)), 130.0);
}

TEST(DimensionPrompt, KindTwentyFiveWithASecondControlWritesBoth) {
    // 100 + 10 + 10 = 120; a total of 140 with factor 0.5 puts 20 in each.
    const DimensionPromptValues v = values(25, 0.5, 100, 10, 10.0);
    ASSERT_EQ(dimensionPromptTotal(v), 120.0);
    const DimensionPromptResult r = dimensionPromptApply(v, 140);
    EXPECT_DOUBLE_EQ(r.offset, 20.0);
    ASSERT_TRUE(r.second.has_value());
    EXPECT_DOUBLE_EQ(*r.second, 20.0);
}

TEST(DimensionPrompt, KindTwentySixKeepsTheSecondAndNeedsItsControl) {
    // 100 + 10 + 5 = 115; a total of 120 gives the offset 120 - 100 - 5 = 15.
    const DimensionPromptValues v = values(26, 1, 100, 10, 5.0);
    ASSERT_EQ(dimensionPromptTotal(v), 115.0);
    const DimensionPromptResult r = dimensionPromptApply(v, 120);
    EXPECT_DOUBLE_EQ(r.offset, 15.0);
    EXPECT_FALSE(r.second.has_value());
    EXPECT_FALSE(dimensionPromptTotal(values(26, 1, 100, 10)).has_value());
}

TEST(DimensionPrompt, AZeroFactorOffersNoTotal) {
    EXPECT_FALSE(dimensionPromptTotal(values(25, 0, 100, 10)).has_value());
}

TEST(DimensionPrompt, NamesCarryTheirSignMarkersAndValuesShowFiveDecimals) {
    Tvx_DesignerControl control;
    control.buttonPart1 = L"BeamHeight";
    control.buttonPart2 = L"-TopGap";
    control.buttonPart3 = L" BottomGap ";
    const DimensionPromptCells cells = dimensionPromptCells(control);
    EXPECT_EQ(cells.base, L"BeamHeight");
    EXPECT_EQ(cells.offset, L"TopGap");
    EXPECT_TRUE(cells.offsetNegated);
    EXPECT_EQ(cells.second, L"BottomGap");
    EXPECT_FALSE(cells.secondNegated);
    EXPECT_EQ(dimensionPromptText(12.5), L"12.50000");
    EXPECT_EQ(dimensionPromptText(-0.000001), L"0.00000");
}

}  // namespace
