// ProfCallBackTest.cpp - the module's profile detail callback on a macro record: read, write
// (which reaches the drawing), the pick notifications, and a missing record.
#include <gtest/gtest.h>

#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Drawing.h"
#include "macrodlg/detail/OvMACallBackData.h"

namespace {

MacroData recordWithGroup() {
    MacroData data;
    MacroTabData tab;
    tab.kind = 2;
    tab.moduleName = L"Beams";
    MacroProfData a;
    a.groupName = L"Stiffener";
    a.memberName = L"S1";
    a.sectionName = L"FL10";
    a.rotation = 90;
    MacroProfData b = a;
    b.memberName = L"S2";
    b.rotation = 0;
    tab.profData = {a, b};
    data.tabs = {tab};
    return data;
}

TEST(ProfCallBack, ReadGivesTheMergedGroup) {
    MacroData data = recordWithGroup();
    OvMACallBackData cb;
    cb.macroData = &data;
    cb.moduleName = L"beams";
    cb.groupName = L"Stiffener";
    MacroProfData prof;
    ASSERT_TRUE(macroProfCallBack(eMACallBackRead, cb, prof));
    EXPECT_EQ(prof.sectionName, L"FL10");
    EXPECT_EQ(prof.rotation, -1);  // the two profiles differ
}

TEST(ProfCallBack, WriteSetsTheGroupAndReadsItBack) {
    MacroData data = recordWithGroup();
    OvMACallBackData cb;
    cb.macroData = &data;
    cb.moduleName = L"Beams";
    cb.groupName = L"Stiffener";
    MacroProfData prof;
    ASSERT_TRUE(macroProfCallBack(eMACallBackRead, cb, prof));
    prof.rotation = 180;
    prof.material = L"S355";
    ASSERT_TRUE(macroProfCallBack(eMACallBackWrite, cb, prof));
    EXPECT_EQ(prof.rotation, 180);
    for (const MacroProfData& p : data.tabs[0].profData) {
        EXPECT_EQ(p.rotation, 180);
        EXPECT_EQ(p.material, L"S355");
    }
}

TEST(ProfCallBack, PickNotificationsChangeNothingAndNoRecordFails) {
    MacroData data = recordWithGroup();
    const MacroData before = data;
    OvMACallBackData cb;
    cb.macroData = &data;
    cb.moduleName = L"Beams";
    cb.groupName = L"Stiffener";
    MacroProfData prof;
    prof.rotation = 270;
    EXPECT_TRUE(macroProfCallBack(eMACallBackHide, cb, prof));
    EXPECT_TRUE(macroProfCallBack(eMACallBackShow, cb, prof));
    EXPECT_EQ(prof.rotation, 270);
    EXPECT_EQ(data.tabs[0].profData, before.tabs[0].profData);

    cb.macroData = nullptr;
    EXPECT_FALSE(macroProfCallBack(eMACallBackRead, cb, prof));
    EXPECT_FALSE(macroProfCallBack(eMACallBackWrite, cb, prof));
    EXPECT_EQ(prof.rotation, 270);
}

}  // namespace
