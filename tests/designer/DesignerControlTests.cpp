// DesignerControlTests.cpp - control types, the extended list of a control and its keys in a
// properties list.
#include <gtest/gtest.h>

#include "core/TempFolder.h"
#include "core/TextFile.h"
#include "core/Texts.h"
#include "designer/Tvx_ControlType.h"
#include "designer/Tvx_DesignerControl.h"

namespace {

TEST(ControlType, KindsAndCaptionsFollowTheTypeTable) {
    struct Case {
        Tvx_ControlType type;
        Tvx_ControlKind kind;
        int typeText;
        int contentsLabel;
        Tvx_Array<int> listLabels;
    };
    using K = Tvx_ControlKind;
    const Case cases[] = {
        {0, K::Static, 799, 827, {1403}},
        {1, K::Button, 800, 827, {1403}},
        {2, K::Edit, 801, 828, {}},
        {3, K::Combobox, 802, 828, {833}},
        {5, K::Edit, 803, 829, {}},
        {7, K::Combobox, 805, 0, {}},
        {11, K::Edit, 809, 0, {}},
        {16, K::Combobox, 814, 830, {}},
        {23, K::Edit, 821, 831, {834}},
        {25, K::Button, 823, 827, {1316, 1317, 1318, 1319}},
        {26, K::Button, 1315, 827, {1316, 1317, 1320, 1319}},
        {27, K::Combobox, 1341, 0, {1342}},
        {28, K::Combobox, 1404, 1406, {}},
        {29, K::Button, 1405, 827, {828}},
        {30, K::Button, 1428, 1429, {705, 1430, 1431}},
        {31, K::Scrollbar, 0, 0, {}},
        {-1, K::Scrollbar, 0, 0, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(getControlKind(c.type), c.kind) << c.type;
        EXPECT_EQ(getControlTypeTextNumber(c.type), c.typeText) << c.type;
        EXPECT_EQ(getContentsLabelNumber(c.type), c.contentsLabel) << c.type;
        EXPECT_EQ(getListLabelNumbers(c.type), c.listLabels) << c.type;
        EXPECT_EQ(hasListLabel(c.type), !c.listLabels.isEmpty()) << c.type;
    }
    EXPECT_EQ(getListLabel(30),
              dialString(705) + L";" + dialString(1430) + L";" + dialString(1431));
    EXPECT_EQ(getContentsLabel(7), L"");
    EXPECT_STREQ(getControlKindClassName(getControlKind(3)), L"COMBOBOX");
    EXPECT_STREQ(getControlKindClassName(K::Scrollbar), L"SCROLLBAR");
}

TEST(ControlType, BoltCountTypesComposeTheirListText) {
    EXPECT_EQ(getControlTypeText(4), dialString(803) + L" 1: " + string(2220));
    EXPECT_EQ(getControlTypeText(5), dialString(803) + L" 2: " + string(2220));
    EXPECT_EQ(getControlTypeText(6), dialString(804));
    EXPECT_EQ(getControlTypeText(31), L"");
}

TEST(ControlType, OnlyFourTypesAreComboWindows) {
    for (int type = 0; type < DesignerType::kCount; ++type) {
        const bool combo = type == 3 || type == 13 || type == 15 || type == 16;
        EXPECT_EQ(isComboPtrType(type), combo) << type;
    }
}

Tvx_DesignerControl split(Tvx_ControlType type, const Tvx_String& text) {
    Tvx_DesignerControl control;
    control.type = type;
    control.buttonPart2 = L"stale";
    EXPECT_TRUE(control.setSplitExtComboList(text));
    return control;
}

TEST(ExtendedList, SplitsByTypeIntoTheRightFields) {
    struct Case {
        Tvx_ControlType type;
        const wchar_t* text;
        std::array<const wchar_t*, 4> flex;
        std::array<const wchar_t*, 4> button;
        const wchar_t* comboList;
    };
    const Case cases[] = {
        {30,
         L"Stiffener;Left;Shown;Icon",
         {L"Stiffener", L"Left", L"Shown", L"Icon"},
         {L"", L"stale", L"", L""},
         L""},
        {30, L"Stiffener", {L"Stiffener", L"", L"", L""}, {L"", L"stale", L"", L""}, L""},
        {30, L"g;a;b;c;extra", {L"g", L"a", L"b", L"c"}, {L"", L"stale", L"", L""}, L""},
        {30, L"", {L"", L"", L"", L""}, {L"", L"stale", L"", L""}, L""},
        {25,
         L"p1;p2;p3;p4;items.txt",
         {L"", L"", L"", L""},
         {L"p1", L"p2", L"p3", L"p4"},
         L"items.txt"},
        {26, L"p1;;p3", {L"", L"", L"", L""}, {L"p1", L"", L"p3", L""}, L""},
        {26, L"a;b;c;d;e;f", {L"", L"", L"", L""}, {L"a", L"b", L"c", L"d"}, L"e"},
        {3,
         L"C:\\lists\\a;b.txt",
         {L"", L"", L"", L""},
         {L"", L"", L"", L""},
         L"C:\\lists\\a;b.txt"},
        {29, L"1", {L"", L"", L"", L""}, {L"", L"", L"", L""}, L"1"},
    };
    for (const Case& c : cases) {
        const Tvx_DesignerControl control = split(c.type, c.text);
        const Tvx_String flex[] = {control.flexGroup, control.flexPart2, control.flexPart3,
                                   control.flexPart4};
        const Tvx_String button[] = {control.buttonPart1, control.buttonPart2, control.buttonPart3,
                                     control.buttonPart4};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(flex[i], c.flex[static_cast<std::size_t>(i)]) << c.type << " " << c.text;
            EXPECT_EQ(button[i], c.button[static_cast<std::size_t>(i)]) << c.type << " " << c.text;
        }
        EXPECT_EQ(control.comboList, c.comboList) << c.type << " " << c.text;
    }
}

TEST(ExtendedList, MergeJoinsThePartsOfTheType) {
    Tvx_DesignerControl flex;
    flex.type = 30;
    flex.flexGroup = L"Stiffener";
    EXPECT_EQ(flex.getMergedExtComboList(), L"Stiffener;;;");

    Tvx_DesignerControl button;
    button.type = 25;
    button.buttonPart1 = L"a";
    button.buttonPart4 = L"d";
    button.comboList = L"list.txt";
    EXPECT_EQ(button.getMergedExtComboList(), L"a;;;d;list.txt");

    Tvx_DesignerControl combo;
    combo.type = 3;
    combo.comboList = L"x;y";
    combo.flexGroup = L"ignored";
    EXPECT_EQ(combo.getMergedExtComboList(), L"x;y");

    // What the designer merges, it splits back unchanged.
    for (const Tvx_DesignerControl& c : {flex, button, combo}) {
        EXPECT_EQ(split(c.type, c.getMergedExtComboList()).getMergedExtComboList(),
                  c.getMergedExtComboList());
    }
}

TEST(DesignerControl, KeysRoundTripThroughAPropertiesList) {
    Tvx_DesignerControl flex;
    flex.type = 30;
    flex.topLeftX = 0.125;
    flex.topLeftY = 1.0 / 3.0;
    flex.bottomRightX = 0.5;
    flex.bottomRightY = 0.75;
    flex.contents = L"Both sides";
    flex.setSplitExtComboList(L"Stiffener;x;;y");
    flex.resourceId = 33005;  // not stored
    flex.disabled = true;     // not stored

    Tvx_PropertiesList list;
    flex.setToPropList(list, 12);
    EXPECT_EQ(list.keys(),
              (Tvx_StringArray{L"type12", L"topLeftX12", L"topLeftY12", L"bottomRightX12",
                               L"bottomRightY12", L"contents12", L"comboList12"}));
    Tvx_PropertiesList reread;
    ASSERT_TRUE(reread.fromText(list.toText()));
    Tvx_DesignerControl back;
    back.getFromPropList(reread, 12);
    EXPECT_EQ(back.type, 30);
    EXPECT_EQ(back.topLeftY, 1.0 / 3.0);
    EXPECT_EQ(back.bottomRightY, 0.75);
    EXPECT_EQ(back.contents, L"Both sides");
    EXPECT_EQ(back.getMergedExtComboList(), L"Stiffener;x;;y");
    EXPECT_EQ(back.resourceId, 0);
    EXPECT_FALSE(back.disabled);

    Tvx_DesignerControl missing = flex;
    missing.getFromPropList(reread, 3);  // no keys for control 3
    EXPECT_EQ(missing.type, 0);
    EXPECT_EQ(missing.topLeftX, 0.0);
    EXPECT_EQ(missing.contents, L"");
    EXPECT_EQ(missing.comboList, L"");
}

TEST(DesignerControl, ComboItemsComeFromTheListFile) {
    TempFolder temp;
    const Tvx_String file = temp.file(L"diameters.txt");
    ASSERT_TRUE(ObjectExportWriteFile(file, {L"M16", L"M20", L"M24"}));

    Tvx_DesignerControl combo;
    combo.type = 3;
    Tvx_StringArray items{L"kept"};
    EXPECT_FALSE(combo.getComboItemsFromFile(items));  // no file named
    combo.comboList = temp.file(L"missing.txt");
    EXPECT_FALSE(combo.getComboItemsFromFile(items));
    EXPECT_EQ(items, Tvx_StringArray{L"kept"});
    combo.comboList = file;
    EXPECT_TRUE(combo.getComboItemsFromFile(items));
    EXPECT_EQ(items, (Tvx_StringArray{L"M16", L"M20", L"M24"}));
}

}  // namespace
