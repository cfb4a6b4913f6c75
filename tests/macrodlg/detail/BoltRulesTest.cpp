// BoltRulesTest.cpp - OK of the bolt detail: active entries need a count and a spacing above 0,
// inactive ones are never checked; the warning and entry texts.
#include <gtest/gtest.h>

#include "DetailTestTexts.h"
#include "macrodlg/detail/BoltDetailRules.h"

namespace {

class BoltRules : public DetailTexts {};

MacroBoltEntry entry(bool active, const wchar_t* count, const wchar_t* spacing) {
    MacroBoltEntry e;
    e.active = active;
    e.count = count;
    e.spacing = spacing;
    return e;
}

TEST_F(BoltRules, OnlyActiveEntriesAreChecked) {
    MacroBoltDetails details;
    details.entries = {entry(true, L"2", L"70"), entry(false, L"", L"-5"),
                       entry(false, L"x", L"0")};
    EXPECT_EQ(findInvalidBoltEntry(details), -1);
    details.entries[1].active = true;
    EXPECT_EQ(findInvalidBoltEntry(details), 1);
}

TEST_F(BoltRules, CountAndSpacingMustBothBeNumbersAboveZero) {
    for (auto [count, spacing] : {std::pair{L"0", L"70"},
                                  {L"2", L"0"},
                                  {L"-1", L"70"},
                                  {L"2", L"abc"},
                                  {L"", L"70"},
                                  {L"3x", L"70"}}) {
        MacroBoltDetails details;
        details.entries = {entry(true, L"1", L"1"), entry(true, count, spacing)};
        EXPECT_EQ(findInvalidBoltEntry(details), 1) << count << " " << spacing;
    }
    MacroBoltDetails details;
    details.entries = {entry(true, L"0.5", L" 12.5 ")};
    EXPECT_EQ(findInvalidBoltEntry(details), -1);
    EXPECT_EQ(findInvalidBoltEntry(MacroBoltDetails{}), -1);
}

TEST_F(BoltRules, MessageNamesTheEntryFromOne) {
    EXPECT_EQ(invalidBoltEntryMessage(1), L"Entry 2 is wrong\n\nFix it.");
    EXPECT_EQ(invalidBoltEntryCaption(), L"Ongeldige waarde");
    EXPECT_EQ(boltEntryLabel(0), L"Row nr: 1");
}

}  // namespace
