// MacroDlgRulesTests.cpp - the dialog-size key and the slots of the modeless macro dialogs.
#include <gtest/gtest.h>

#include "core/macro/MacroData.h"
#include "macrodlg/MacroDlgSizeKey.h"
#include "macrodlg/MacroDlgSlots.h"

namespace {

MacroData withObjects(int count) {
    MacroData data;
    for (int i = 0; i < count; ++i) {
        data.selectedIds.append(AcDbObjectId(100 + i));
    }
    return data;
}

TEST(MacroDlgSizeKey, PerMacroPerGroupOrPerCount) {
    MacroData one = withObjects(1);
    EXPECT_EQ(macroDlgSizeKey(one), L"DLG_MACRO_EDITVARS_");
    one.macroNames.append(L"FinPlate");
    EXPECT_EQ(macroDlgSizeKey(one), L"DLG_MACRO_EDITVARS_FinPlate");

    MacroData three = withObjects(3);
    three.macroNames.append(L"FinPlate");  // ignored for several objects
    EXPECT_EQ(macroDlgSizeKey(three), L"DLG_MACRO_EDITVARS_3_MACROS");
    three.groupKeys.append(L"Beams");
    three.groupKeys.append(L"Columns");
    three.currentGroup = 1;
    EXPECT_EQ(macroDlgSizeKey(three), L"DLG_MACRO_EDITVARS_GROUP_Columns");
    three.currentGroup = 2;  // beyond the keys: the count again
    EXPECT_EQ(macroDlgSizeKey(three), L"DLG_MACRO_EDITVARS_3_MACROS");
    EXPECT_EQ(macroDlgSizeKey(withObjects(0)), L"DLG_MACRO_EDITVARS_0_MACROS");
}

struct Dummy {};

TEST(MacroDlgSlots, ReusesTheHighestEmptySlotAndShrinksFromTheEnd) {
    MacroDlgSlots<Dummy> slots;
    Dummy a, b, c, d;
    const int first = slots.reserve();
    slots.put(first, &a);
    const int second = slots.reserve();
    slots.put(second, &b);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);

    EXPECT_TRUE(slots.release(0));
    const int third = slots.reserve();
    EXPECT_EQ(third, 0);  // the freed slot, not a new one
    slots.put(third, &c);
    EXPECT_EQ(slots.size(), 2);

    const int fourth = slots.reserve();
    slots.put(fourth, &d);
    EXPECT_EQ(fourth, 2);
    EXPECT_TRUE(slots.release(0));
    EXPECT_TRUE(slots.release(1));
    EXPECT_EQ(slots.size(), 3);  // slot 2 still holds a dialog
    EXPECT_TRUE(slots.release(2));
    EXPECT_EQ(slots.size(), 0);  // the empty slots below went with it

    EXPECT_FALSE(slots.release(0));
    EXPECT_FALSE(slots.release(-1));
    EXPECT_EQ(slots.at(5), nullptr);
}

TEST(MacroDlgSlots, AFailedStartGivesItsSlotBack) {
    MacroDlgSlots<Dummy> slots;
    Dummy a;
    slots.put(slots.reserve(), &a);
    const int failed = slots.reserve();
    slots.unreserve(failed);
    EXPECT_EQ(slots.size(), 1);
    EXPECT_EQ(slots.reserve(), 1);
}

}  // namespace
