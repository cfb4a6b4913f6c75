// DesignerLayoutTests.cpp - the layout operations on drawn controls without a display: drawing
// in both modes, tab order and Tab, copy, size, alignment, values, flex groups, the selection
// rules and the property fields.
#include <gtest/gtest.h>

#include "BmpCanvas.h"
#include "DesignerFixture.h"
#include "FakeDesignerDialog.h"
#include "core/AtomicFile.h"
#include "core/Texts.h"
#include "designer/Tvx_DlgDesignerData.h"
#include "host/HostServices.h"

namespace {

constexpr int kFirstId = 33000;
constexpr int kTypeField = 1005;
constexpr int kContentsLabel = 1016;
constexpr int kContentsField = 1304;
constexpr int kListLabel = 1017;
constexpr int kListField = 1305;

// A picture of 200 x 100 pixels: one pixel is 0.005 of the width and 0.01 of the height.
class DesignerLayout : public DesignerFixture {
  protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        picture_ = root_ + L"Picture.bmp";
        ASSERT_TRUE(atomicWriteFile(picture_, BmpCanvas(200, 100).bmpBytes()));
    }

    // A control with its rectangle in pixels of the 200 x 100 picture.
    static Tvx_DesignerControl at(Tvx_ControlType type, const Tvx_String& contents, int left,
                                  int top, int right, int bottom,
                                  const Tvx_String& list = Tvx_String()) {
        Tvx_DesignerControl c = control(type, contents, list);
        c.topLeftX = left / 200.0;
        c.topLeftY = top / 100.0;
        c.bottomRightX = right / 200.0;
        c.bottomRightY = bottom / 100.0;
        return c;
    }

    void start(Tvx_DlgDesignerData& data, bool designMode) {
        data.attachBitmap(picture_);
        ASSERT_TRUE(data.initialize(&dialog_, kFirstId, kFirstId + 99, kTypeField, kContentsLabel,
                                    kContentsField, kListLabel, kListField, designMode));
    }

    // Appends the controls and draws them all.
    void build(Tvx_DlgDesignerData& data, bool designMode,
               std::initializer_list<Tvx_DesignerControl> controls) {
        start(data, designMode);
        for (Tvx_DesignerControl c : controls) {
            data.append(c);
        }
        data.redrawAllControls();
    }

    static int id(int index) { return kFirstId + index; }

    Tvx_String picture_;
    FakeDesignerDialog dialog_;
};

TEST_F(DesignerLayout, NothingIsDrawnBeforeInitialize) {
    Tvx_DlgDesignerData data;
    Tvx_DesignerControl c = at(2, L"A", 10, 10, 40, 28);
    data.append(c);
    EXPECT_FALSE(data.drawControl(c));
    EXPECT_EQ(data.getDlgPtr(), nullptr);
    EXPECT_FALSE(data.initialize(nullptr, 1, 2, 0, 0, 0, 0, 0, true));

    data.attachBitmap(picture_);
    int width = -1;
    int height = -1;
    data.getImageSize(width, height);
    EXPECT_EQ(width, 0);  // not initialized yet
    ASSERT_TRUE(data.initialize(&dialog_, 1, 5, 0, 0, 0, 0, 0, false));
    data.getImageSize(width, height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 100);
    EXPECT_EQ(data.getDlgPtr(), &dialog_);
    EXPECT_EQ(data.getTracker(), nullptr);  // run-time mode has no selection
}

TEST_F(DesignerLayout, CombosAreTallAtRunTimeAndAsDesignedInTheDesigner) {
    Tvx_DlgDesignerData runTime;
    build(runTime, false, {at(3, L"Grade", 20, 10, 80, 31), at(2, L"Width", 20, 40, 80, 58)});
    FakeControlWindow* combo = dialog_.window(id(0));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->rect(), (DesignerRect{20, 10, 80, 210}));
    EXPECT_EQ(combo->description.fieldHeight, 21);
    EXPECT_EQ(dialog_.window(id(1))->rect().height(), 18);  // edits keep their height
    EXPECT_TRUE(combo->isEnabled());

    FakeDesignerDialog designDialog;
    Tvx_DlgDesignerData design;
    design.attachBitmap(picture_);
    ASSERT_TRUE(design.initialize(&designDialog, kFirstId, kFirstId + 99, kTypeField,
                                  kContentsLabel, kContentsField, kListLabel, kListField, true));
    Tvx_DesignerControl c = at(3, L"Grade", 20, 10, 80, 31);
    design.append(c);
    design.redrawAllControls();
    EXPECT_EQ(designDialog.window(id(0))->rect(), (DesignerRect{20, 10, 80, 31}));
    EXPECT_FALSE(designDialog.window(id(0))->isEnabled());  // the designer takes the clicks
}

TEST_F(DesignerLayout, StylesFollowTheKindOfEachType) {
    Tvx_DlgDesignerData data;
    build(data, false,
          {at(0, L"Label", 0, 0, 10, 10), at(1, L"Group", 0, 0, 10, 10), at(4, L"4", 0, 0, 10, 10),
           at(16, L"x", 0, 0, 10, 10), at(13, L"x", 0, 0, 10, 10), at(29, L"Check", 0, 0, 10, 10),
           at(30, L"Flex", 0, 0, 10, 10)});
    EXPECT_EQ(dialog_.window(id(0))->description.kind, Tvx_ControlKind::Static);
    EXPECT_TRUE(dialog_.window(id(1))->description.groupBox);
    EXPECT_TRUE(dialog_.window(id(2))->description.multiLine);
    EXPECT_TRUE(dialog_.window(id(3))->description.editableCombo);
    EXPECT_FALSE(dialog_.window(id(4))->description.editableCombo);  // a drop-down list
    EXPECT_TRUE(dialog_.window(id(5))->description.checkBox);
    EXPECT_TRUE(dialog_.window(id(6))->description.flexButton);
    EXPECT_EQ(dialog_.window(id(6))->description.kind, Tvx_ControlKind::Button);
}

TEST_F(DesignerLayout, MultiLineEditsGrowWithTheFontScaleUpToTwoFields) {
    struct Case {
        double scale;
        int designed;
        int expected;
    };
    // extra = 18 s - 18, grown = designed + extra / 1.6 rounded up, used when below 36.
    const Case cases[] = {{1.0, 20, 20}, {1.5, 20, 26}, {2.0, 20, 32},
                          {3.0, 20, 20}, {0.5, 20, 20}, {2.0, 30, 30}};
    for (const Case& c : cases) {
        FakeDesignerDialog dialog;
        Tvx_DlgDesignerData data;
        data.attachBitmap(picture_);
        data.setFontScale(c.scale);
        ASSERT_TRUE(data.initialize(&dialog, 1, 9, 0, 0, 0, 0, 0, false));
        Tvx_DesignerControl edit = at(5, L"n", 10, 10, 40, 10 + c.designed);
        data.append(edit);
        data.redrawAllControls();
        EXPECT_EQ(dialog.window(1)->rect().height(), c.expected) << c.scale << " " << c.designed;
    }
}

TEST_F(DesignerLayout, DisabledControlsAreDrawnDisabledAndNeverOrdered) {
    Tvx_DlgDesignerData data;
    start(data, false);
    Tvx_DesignerControl label = at(0, L"Label", 10, 10, 40, 20);
    Tvx_DesignerControl group = at(1, L"Group", 0, 0, 200, 100);
    Tvx_DesignerControl off = at(2, L"Off", 50, 10, 80, 20);
    off.disabled = true;
    Tvx_DesignerControl on = at(2, L"On", 90, 10, 120, 20);
    for (Tvx_DesignerControl* c : {&label, &group, &off, &on}) {
        data.append(*c);
    }
    data.redrawAllControls();
    EXPECT_EQ(data.getControl(0)->tabOrder, 0);
    EXPECT_EQ(data.getControl(1)->tabOrder, 0);
    EXPECT_EQ(data.getControl(2)->tabOrder, 0);
    EXPECT_EQ(data.getControl(3)->tabOrder, 1);
    EXPECT_FALSE(dialog_.window(id(2))->isEnabled());
    EXPECT_TRUE(dialog_.window(id(0))->isEnabled());
}

TEST_F(DesignerLayout, TabOrderFormsRowsFromTheTopAndOrdersEachRowLeftToRight) {
    Tvx_DlgDesignerData data;
    build(data, false,
          {
              at(2, L"lower right", 150, 60, 190, 78),
              at(2, L"row1 right", 120, 10, 160, 30),  // top 10, bottom 30
              at(2, L"row1 left", 20, 25, 60, 43),     // starts above the row's bottom
              at(2, L"row1 middle", 70, 30, 110, 48),  // starts exactly at the bottom: joins
              at(2, L"row2", 10, 31, 50, 49),          // one pixel lower: next row
              at(2, L"lower left", 10, 60, 50, 78),
          });
    auto order = [&data](int index) { return data.getControl(index)->tabOrder; };
    EXPECT_EQ(order(2), 1);
    EXPECT_EQ(order(3), 2);
    EXPECT_EQ(order(1), 3);
    EXPECT_EQ(order(4), 4);
    EXPECT_EQ(order(5), 5);
    EXPECT_EQ(order(0), 6);
}

TEST_F(DesignerLayout, TabMovesThroughTheOrderAndReportsTheEnds) {
    Tvx_DlgDesignerData data;
    build(data, false,
          {at(2, L"second", 100, 10, 140, 28), at(0, L"label", 0, 10, 20, 28),
           at(2, L"first", 30, 10, 70, 28), at(3, L"third", 10, 50, 60, 68)});
    Tvx_TabMsgHandle result = kTabMovedFocus;

    dialog_.focused = 0;  // nothing of ours focused
    EXPECT_FALSE(data.handleTabKey(kVirtualKeyTab, result));
    EXPECT_EQ(result, kTabNotHandled);

    ASSERT_TRUE(data.setFocusToCtrl(true));
    EXPECT_EQ(dialog_.focused, id(2));
    EXPECT_FALSE(data.handleTabKey(13, result));  // only Tab
    EXPECT_EQ(result, kTabNotHandled);

    ASSERT_TRUE(data.handleTabKey(kVirtualKeyTab, result));
    EXPECT_EQ(result, kTabMovedFocus);
    EXPECT_EQ(dialog_.focused, id(0));
    ASSERT_TRUE(data.handleTabKey(kVirtualKeyTab, result));
    EXPECT_EQ(dialog_.focused, id(3));
    ASSERT_TRUE(data.handleTabKey(kVirtualKeyTab, result));
    EXPECT_EQ(result, kTabForwardFromLast);
    EXPECT_EQ(dialog_.focused, id(3));

    dialog_.shift = true;
    ASSERT_TRUE(data.handleTabKey(kVirtualKeyTab, result));
    EXPECT_EQ(result, kTabMovedFocus);
    EXPECT_EQ(dialog_.focused, id(0));
    ASSERT_TRUE(data.setFocusToCtrl(true));
    ASSERT_TRUE(data.handleTabKey(kVirtualKeyTab, result));
    EXPECT_EQ(result, kTabBackFromFirst);

    ASSERT_TRUE(data.setFocusToCtrl(false));  // the last of the order
    EXPECT_EQ(dialog_.focused, id(3));
}

TEST_F(DesignerLayout, TabIsNotHandledWhenEveryControlIsDisabled) {
    Tvx_DlgDesignerData data;
    start(data, false);
    Tvx_DesignerControl c = at(2, L"A", 10, 10, 40, 28);
    c.disabled = true;
    data.append(c);
    data.redrawAllControls();
    dialog_.focused = id(0);
    Tvx_TabMsgHandle result = kTabMovedFocus;
    EXPECT_FALSE(data.handleTabKey(kVirtualKeyTab, result));
    EXPECT_EQ(result, kTabNotHandled);
    EXPECT_FALSE(data.setFocusToCtrl(true));
}

TEST_F(DesignerLayout, CheckBoxValuesFromNumbersAndTheUndefinedText) {
    Tvx_DlgDesignerData data;
    Tvx_DesignerControl box = at(29, L"Stiffener", 10, 10, 80, 25);
    box.comboList = L"1";  // initial value
    build(data, false, {box, at(28, L"2", 10, 40, 80, 60), at(25, L"Button", 10, 70, 80, 90)});
    FakeControlWindow* check = dialog_.window(id(0));
    EXPECT_EQ(check->checkState(), kCtrlChecked);

    struct Case {
        const wchar_t* value;
        int state;
        const wchar_t* readBack;
    };
    const Case cases[] = {{L"0.5", kCtrlChecked, L"1"},
                          {L"-1", kCtrlUnchecked, L"0"},
                          {L"x", kCtrlUnchecked, L"0"},
                          {L"3", kCtrlChecked, L"1"},
                          {L"0", kCtrlUnchecked, L"0"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(data.setCtrlValue(id(0), c.value));
        EXPECT_EQ(check->checkState(), c.state) << c.value;
        EXPECT_FALSE(check->threeState());
        Tvx_String value;
        ASSERT_TRUE(data.getCtrlValue(id(0), value));
        EXPECT_EQ(value, c.readBack);
    }
    const Tvx_String undefined = dialString(695);
    ASSERT_TRUE(data.setCtrlValue(id(0), undefined));
    EXPECT_EQ(check->checkState(), kCtrlIndeterminate);
    EXPECT_TRUE(check->threeState());
    Tvx_String value;
    ASSERT_TRUE(data.getCtrlValue(id(0), value));
    EXPECT_EQ(value, undefined);

    // The index combo: its five fixed items, the value is the selection.
    FakeControlWindow* index = dialog_.window(id(1));
    ASSERT_EQ(index->itemCount(), 5);
    EXPECT_EQ(index->itemText(4), undefined);
    EXPECT_EQ(index->selectedIndex(), 2);  // from the contents
    ASSERT_TRUE(data.setCtrlValue(id(1), L"3"));
    ASSERT_TRUE(data.getCtrlValue(id(1), value));
    EXPECT_EQ(value, L"3");
    ASSERT_TRUE(data.setCtrlValue(id(1), L"9"));
    ASSERT_TRUE(data.getCtrlValue(id(1), value));
    EXPECT_EQ(value, L"-1");

    // List buttons ignore values.
    ASSERT_TRUE(data.setCtrlValue(id(2), L"changed"));
    ASSERT_TRUE(data.getCtrlValue(id(2), value));
    EXPECT_EQ(value, L"Button");

    EXPECT_FALSE(data.setCtrlValue(4711, L"1"));
    EXPECT_FALSE(data.getCtrlValue(4711, value));
}

TEST_F(DesignerLayout, CombosTakeTheirItemsAndSelectTheContents) {
    const Tvx_String itemFile = root_ + L"grades.txt";
    ASSERT_TRUE(atomicWriteFile(itemFile, "S235\nS275\nS355\n"));
    Tvx_DlgDesignerData data;
    Tvx_DesignerControl fromFile = at(13, L"S275", 10, 10, 80, 30);
    fromFile.comboList = itemFile;
    Tvx_DesignerControl given = at(15, L"b", 10, 40, 80, 60);
    given.comboList = itemFile;
    given.items = {L"a", L"b"};  // given items win over the file
    Tvx_DesignerControl none = at(3, L"Grade", 10, 70, 80, 90);
    build(data, false, {fromFile, given, none});
    EXPECT_EQ(dialog_.window(id(0))->items(), (Tvx_StringArray{L"S235", L"S275", L"S355"}));
    EXPECT_EQ(dialog_.window(id(0))->selectedIndex(), 1);
    EXPECT_EQ(dialog_.window(id(1))->items(), (Tvx_StringArray{L"a", L"b"}));
    EXPECT_EQ(dialog_.window(id(1))->selectedIndex(), 1);
    EXPECT_EQ(dialog_.window(id(2))->itemCount(), 0);
    EXPECT_EQ(dialog_.window(id(2))->text(), L"Grade");
}

TEST_F(DesignerLayout, ReadOnlyOnlyForVariableFields) {
    Tvx_DlgDesignerData data;
    build(data, false,
          {at(2, L"A", 0, 0, 10, 10), at(3, L"B", 0, 20, 10, 30), at(8, L"C", 0, 40, 10, 50)});
    EXPECT_TRUE(data.setCtrlReadOnly(id(0), true));
    EXPECT_FALSE(dialog_.window(id(0))->isEnabled());
    EXPECT_TRUE(data.setCtrlReadOnly(id(0), false));
    EXPECT_TRUE(dialog_.window(id(0))->isEnabled());
    EXPECT_TRUE(data.setCtrlReadOnly(id(1), true));
    EXPECT_FALSE(data.setCtrlReadOnly(id(2), true));
    EXPECT_TRUE(dialog_.window(id(2))->isEnabled());
    EXPECT_FALSE(data.setCtrlReadOnly(4711, true));

    int index = -1;
    EXPECT_TRUE(data.findEditCtrlWithContents(L"b", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(data.findEditCtrlWithContents(L"C", index));  // type 8 is no variable field
}

TEST_F(DesignerLayout, FlexGroupsAndTheirStates) {
    Tvx_DlgDesignerData data;
    build(data, false,
          {at(30, L"Bolted", 10, 10, 40, 40, L"Connection;;x;"),
           at(30, L"Welded", 50, 10, 80, 40, L"Connection"),
           at(30, L"Flush", 10, 50, 40, 80, L"Plate"), at(2, L"Edit", 90, 10, 120, 28),
           at(30, L"Extended", 50, 50, 80, 80, L"connection;a;b;c")});
    Tvx_StringArray groups;
    data.getFlexBtnsGroups(groups);
    EXPECT_EQ(groups, (Tvx_StringArray{L"Connection", L"Plate"}));

    Tvx_Array<int> all;
    Tvx_Array<int> third;
    ASSERT_TRUE(data.getFlexBtnsInGroup(L"Connection", all, third));
    EXPECT_EQ(all, (Tvx_Array<int>{0, 1, 4}));
    EXPECT_EQ(third, (Tvx_Array<int>{0, 4}));
    ASSERT_TRUE(data.getFlexBtnsInGroup(L"", all, third));
    EXPECT_TRUE(all.isEmpty());

    Tvx_StringArray names;
    ASSERT_TRUE(data.getAllFlexVarsOfGroup(L"Connection", names));
    EXPECT_EQ(names, (Tvx_StringArray{L"Bolted", L"Welded", L"Extended"}));
    Tvx_String group;
    Tvx_String name;
    ASSERT_TRUE(data.getFlexBtnGroupName(id(2), group, name));
    EXPECT_EQ(group, L"Plate");
    EXPECT_EQ(name, L"Flush");
    EXPECT_FALSE(data.getFlexBtnGroupName(id(3), group, name));

    ASSERT_TRUE(data.setFlexBtnStatus(L"Connection", L"Welded", kCtrlChecked));
    int state = -1;
    ASSERT_TRUE(data.getFlexBtnStatus(1, state));
    EXPECT_EQ(state, kCtrlChecked);
    state = kCtrlIndeterminate;  // a flex button has no third state: it unchecks
    ASSERT_TRUE(data.getSetFlexBtnStatus(true, 1, state));
    EXPECT_EQ(state, kCtrlUnchecked);
    ASSERT_TRUE(data.getFlexBtnStatus(1, state));
    EXPECT_EQ(state, kCtrlUnchecked);
    EXPECT_FALSE(data.setFlexBtnStatus(L"Connection", L"Missing", 1));
    EXPECT_FALSE(data.getFlexBtnStatus(3, state));  // not a flex button

    ASSERT_TRUE(data.hideAllFlexBtns(L"Connection"));
    EXPECT_FALSE(dialog_.window(id(0))->isVisible());
    EXPECT_FALSE(dialog_.window(id(4))->isVisible());
    EXPECT_TRUE(dialog_.window(id(2))->isVisible());
}

TEST_F(DesignerLayout, RunTimeRedrawReplacesTheWindows) {
    Tvx_DlgDesignerData data;
    build(data, false, {at(2, L"A", 0, 0, 10, 10), at(2, L"B", 0, 20, 10, 30)});
    data.redrawAllControls();
    EXPECT_EQ(dialog_.alive.size(), 2u);
    EXPECT_EQ(data.getNrDrawnControls(), 2);
}

// ---- design mode ----------------------------------------------------------------------------

TEST_F(DesignerLayout, InitializeFillsTheTypeListAndEmptiesTheFields) {
    Tvx_DlgDesignerData data;
    start(data, true);
    ASSERT_EQ(dialog_.lists[kTypeField].length(), 31);
    EXPECT_EQ(dialog_.lists[kTypeField][2], dialString(801));
    EXPECT_EQ(dialog_.lists[kTypeField][30], dialString(1428));
    EXPECT_FALSE(dialog_.enabled[kTypeField]);
    EXPECT_FALSE(dialog_.enabled[kListField]);
    EXPECT_EQ(dialog_.listIndex(kTypeField), -1);
}

TEST_F(DesignerLayout, NewControlsSitAtTheFifthOfThePicture) {
    Tvx_DlgDesignerData data;
    start(data, true);
    ASSERT_TRUE(data.addNewControl(2));
    ASSERT_EQ(data.getNrControls(), 1);
    const Tvx_DesignerControl& c = *data.getControl(0);
    EXPECT_EQ(c.contents, dialString(171));
    EXPECT_DOUBLE_EQ(c.topLeftX, 0.2);
    EXPECT_DOUBLE_EQ(c.bottomRightX, 0.2 + 30.0 / 200.0);
    EXPECT_DOUBLE_EQ(c.bottomRightY, 0.2 + 18.0 / 100.0);
    EXPECT_EQ(dialog_.window(id(0))->rect(), (DesignerRect{40, 20, 70, 38}));

    Tvx_DlgDesignerData noPicture;
    FakeDesignerDialog other;
    ASSERT_TRUE(noPicture.initialize(&other, 1, 9, 0, 0, 0, 0, 0, true));
    EXPECT_FALSE(noPicture.addNewControl(2));  // no picture to measure against
    EXPECT_EQ(noPicture.getNrControls(), 0);
}

TEST_F(DesignerLayout, CopiesAreOffsetAndOnlyTheyAreSelected) {
    Tvx_DlgDesignerData data;
    build(
        data, true,
        {at(2, L"A", 10, 10, 40, 28), at(3, L"B", 60, 30, 100, 51), at(0, L"C", 100, 70, 140, 80)});
    Tvx_ControlSelection& selection = *data.getTracker();
    selection.select(id(1), true);
    selection.select(id(0), false);
    data.copyCurCtrls();
    ASSERT_EQ(data.getNrControls(), 5);
    EXPECT_EQ(data.pixelRect(*data.getControl(3)), (DesignerRect{80, 50, 120, 71}));
    EXPECT_EQ(data.pixelRect(*data.getControl(4)), (DesignerRect{30, 30, 60, 48}));
    EXPECT_EQ(data.getControl(3)->contents, L"B");
    EXPECT_EQ(selection.selectedIds(), (std::vector<int>{id(3), id(4)}));
    EXPECT_EQ(dialog_.alive.size(), 5u);

    selection.clear();
    data.copyCurCtrls();  // nothing selected: nothing copied
    EXPECT_EQ(data.getNrControls(), 5);
}

TEST_F(DesignerLayout, RemovingTakesTheSelectedControlsAndTheirWindows) {
    Tvx_DlgDesignerData data;
    build(
        data, true,
        {at(2, L"A", 10, 10, 40, 28), at(2, L"B", 60, 10, 90, 28), at(2, L"C", 110, 10, 140, 28)});
    data.getTracker()->select(id(0), true);
    data.getTracker()->select(id(2), false);
    ASSERT_TRUE(data.removeCurControls());
    ASSERT_EQ(data.getNrControls(), 1);
    EXPECT_EQ(data.getControl(0)->contents, L"B");
    EXPECT_EQ(dialog_.alive.size(), 1u);
    EXPECT_EQ(data.getTracker()->registered(), (std::vector<int>{id(1)}));

    Tvx_DlgDesignerData runTime;
    FakeDesignerDialog other;
    ASSERT_TRUE(runTime.initialize(&other, 1, 9, 0, 0, 0, 0, 0, false));
    EXPECT_FALSE(runTime.removeCurControls());
}

TEST_F(DesignerLayout, SizePromptSetsWidthOrHeightOfTheSelection) {
    Tvx_DlgDesignerData data;
    build(data, true, {at(2, L"A", 10, 10, 40, 28), at(2, L"B", 60, 50, 90, 68)});
    data.getTracker()->select(id(0), true);
    data.getTracker()->select(id(1), false);

    dialog_.answers.push_back(Tvx_String(L"55"));
    data.changeCtrlSize(true);
    ASSERT_EQ(dialog_.prompts.size(), 1u);
    EXPECT_EQ(dialog_.prompts[0].title, dialString(90));
    EXPECT_EQ(dialog_.prompts[0].prompt, dialString(825));
    EXPECT_EQ(dialog_.prompts[0].value, L"30");
    EXPECT_EQ(data.pixelRect(*data.getControl(0)), (DesignerRect{10, 10, 65, 28}));
    EXPECT_EQ(data.pixelRect(*data.getControl(1)), (DesignerRect{60, 50, 115, 68}));
    EXPECT_EQ(data.getTracker()->selectedIds(), (std::vector<int>{id(0), id(1)}));

    dialog_.answers.push_back(Tvx_String(L"25"));
    data.changeCtrlSize(false);
    EXPECT_EQ(dialog_.prompts[1].title, dialString(9414));
    EXPECT_EQ(dialog_.prompts[1].value, L"18");
    EXPECT_EQ(data.pixelRect(*data.getControl(0)), (DesignerRect{10, 10, 65, 35}));

    const auto before = data.controls();
    dialog_.answers.push_back(std::nullopt);
    data.changeCtrlSize(false);
    EXPECT_EQ(data.controls(), before);
}

TEST_F(DesignerLayout, AlignBottomsToTheLeftmostSelected) {
    Tvx_DlgDesignerData data;
    build(data, true,
          {at(2, L"A", 60, 10, 90, 28), at(0, L"Left", 10, 20, 50, 40),
           at(3, L"C", 100, 50, 140, 71), at(2, L"Untouched", 150, 0, 180, 18)});
    data.getTracker()->select(id(0), true);
    data.getTracker()->select(id(1), false);
    data.getTracker()->select(id(2), false);
    ASSERT_TRUE(data.outlineCurCtrls());
    EXPECT_EQ(data.pixelRect(*data.getControl(0)), (DesignerRect{60, 22, 90, 40}));
    EXPECT_EQ(data.pixelRect(*data.getControl(1)), (DesignerRect{10, 20, 50, 40}));
    EXPECT_EQ(data.pixelRect(*data.getControl(2)), (DesignerRect{100, 19, 140, 40}));
    EXPECT_EQ(data.pixelRect(*data.getControl(3)), (DesignerRect{150, 0, 180, 18}));
    EXPECT_EQ(data.getTracker()->selectedIds().size(), 3u);

    data.getTracker()->clear();
    EXPECT_FALSE(data.outlineCurCtrls());
}

TEST_F(DesignerLayout, PlaceToTheRightNeedsExactlyTwo) {
    Tvx_DlgDesignerData data;
    build(data, true,
          {at(2, L"Right", 120, 50, 150, 68), at(0, L"Left", 10, 20, 60, 40),
           at(2, L"Third", 10, 80, 40, 98)});
    const auto before = data.controls();
    Tvx_ControlSelection& selection = *data.getTracker();
    selection.select(id(0), true);
    EXPECT_FALSE(data.stickRightCurCtrls());
    selection.select(id(1), false);
    selection.select(id(2), false);
    EXPECT_FALSE(data.stickRightCurCtrls());
    EXPECT_EQ(data.controls(), before);

    selection.deselect(id(2));
    ASSERT_TRUE(data.stickRightCurCtrls());
    // The right one keeps its width and takes the left one's vertical extent.
    EXPECT_EQ(data.pixelRect(*data.getControl(0)), (DesignerRect{60, 20, 90, 40}));
    EXPECT_EQ(data.pixelRect(*data.getControl(1)), (DesignerRect{10, 20, 60, 40}));
    EXPECT_EQ(selection.selectedIds().size(), 2u);
}

TEST_F(DesignerLayout, MovedWindowsAreReadBackButUnmovedOnesKeepTheirFractions) {
    Tvx_DlgDesignerData data;
    Tvx_DesignerControl odd = at(2, L"Odd", 10, 10, 40, 28);
    odd.topLeftX = 0.0512345;  // between pixels: 10.2469 pixels
    build(data, true, {odd, at(2, L"Moved", 60, 10, 90, 28)});
    data.getTracker()->select(id(1), true);
    data.moveCurCtrls(5, -3);
    data.getSizeFromAllControls();
    EXPECT_DOUBLE_EQ(data.getControl(0)->topLeftX, 0.0512345);
    EXPECT_DOUBLE_EQ(data.getControl(1)->topLeftX, 65 / 200.0);
    EXPECT_DOUBLE_EQ(data.getControl(1)->topLeftY, 7 / 100.0);
    EXPECT_DOUBLE_EQ(data.getControl(1)->bottomRightX, 95 / 200.0);

    // Saving reads the windows back first.
    ASSERT_TRUE(data.writeToFile(root_ + L"Moved.txt"));
    Tvx_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(root_ + L"Moved.txt", false));
    EXPECT_DOUBLE_EQ(read.getControl(1)->topLeftY, 0.07);
    EXPECT_DOUBLE_EQ(read.getControl(0)->topLeftX, 0.0512345);
}

TEST_F(DesignerLayout, PropertyFieldsShowAndReadTheSelectedControl) {
    Tvx_DlgDesignerData data;
    build(data, true, {at(2, L"Width", 10, 10, 40, 28), at(30, L"Bolted", 60, 10, 90, 40)});
    data.getTracker()->select(id(1), true);
    data.updatePropsOfCurSel();
    EXPECT_EQ(dialog_.listIndex(kTypeField), 30);
    EXPECT_EQ(dialog_.texts[kContentsLabel], dialString(1429));
    EXPECT_EQ(dialog_.texts[kContentsField], L"Bolted");
    EXPECT_EQ(dialog_.texts[kListField], L";;;");
    EXPECT_TRUE(dialog_.enabled[kListField]);

    data.getTracker()->select(id(0), true);
    data.updatePropsOfCurSel();
    EXPECT_EQ(dialog_.texts[kListField], L"");  // type 2 has no list
    EXPECT_FALSE(dialog_.enabled[kListField]);
    EXPECT_TRUE(dialog_.enabled[kContentsField]);

    dialog_.texts[kContentsField] = L"Length";
    ASSERT_TRUE(data.propsOfCurSelUpdated());
    EXPECT_EQ(data.getControl(0)->contents, L"Length");
    EXPECT_EQ(dialog_.window(id(0))->text(), L"Length");

    dialog_.listIndices[kTypeField] = 3;  // a new type redraws and keeps the selection
    const int created = dialog_.created;
    ASSERT_TRUE(data.propsOfCurSelUpdated());
    EXPECT_EQ(data.getControl(0)->type, 3);
    EXPECT_GT(dialog_.created, created);
    EXPECT_EQ(data.getTracker()->singleSelection(), id(0));
    EXPECT_EQ(dialog_.texts[kListLabel], dialString(833));

    data.getTracker()->select(id(1), false);  // two selected: the fields empty and disable
    data.updatePropsOfCurSel();
    EXPECT_FALSE(dialog_.enabled[kTypeField]);
    EXPECT_EQ(dialog_.texts[kContentsField], L"");
    EXPECT_FALSE(data.propsOfCurSelUpdated());
}

TEST_F(DesignerLayout, PositionsArePrintedOnTheCommandLine) {
    HostRecorder host;
    Tvx_DlgDesignerData data;
    build(data, false, {at(2, L"Width", 10, 10, 40, 28)});
    data.printPositions();
    EXPECT_EQ(host.output(),
              L"**** Control Width ****\nLeft: 0.050000 - Right: 0.200000\n"
              L"Top: 0.100000 - Bottom: 0.280000\n********\n");
}

// ---- the selection rules ----------------------------------------------------------------------

TEST(ControlSelection, ClicksWithAndWithoutModifierKeys) {
    Tvx_ControlSelection s;
    for (int id : {1, 2, 3}) {
        s.registerControl(id);
    }
    using R = Tvx_ControlSelection::ClickResult;
    EXPECT_EQ(s.click(1, false, false, false), R::Move);
    EXPECT_EQ(s.selectedIds(), (std::vector<int>{1}));
    EXPECT_EQ(s.click(2, false, true, false), R::None);  // Shift adds
    EXPECT_EQ(s.click(2, false, true, false), R::None);  // and keeps
    EXPECT_EQ(s.selectedIds(), (std::vector<int>{1, 2}));
    EXPECT_EQ(s.click(1, true, false, false), R::None);  // Ctrl toggles off
    EXPECT_EQ(s.selectedIds(), (std::vector<int>{2}));
    EXPECT_EQ(s.click(3, true, false, false), R::None);  // and on
    EXPECT_EQ(s.selectedIds(), (std::vector<int>{2, 3}));
    // A plain click on a selected control keeps the selection for dragging all of it.
    EXPECT_EQ(s.click(3, false, false, false), R::Move);
    EXPECT_EQ(s.selectedIds(), (std::vector<int>{2, 3}));
    EXPECT_EQ(s.singleSelection(), -1);
    // A handle resizes; a click on an unselected control selects only it.
    EXPECT_EQ(s.click(1, false, false, true), R::Resize);
    EXPECT_EQ(s.singleSelection(), 1);

    EXPECT_FALSE(s.clickOutside(false, true));
    EXPECT_FALSE(s.clickOutside(true, false));
    EXPECT_EQ(s.singleSelection(), 1);
    EXPECT_TRUE(s.clickOutside(false, false));
    EXPECT_TRUE(s.selectedIds().empty());
    EXPECT_FALSE(s.select(99, false));  // not registered
}

TEST(ControlSelection, RubberBandSelectsOnlyWhatLiesWhollyInside) {
    Tvx_ControlSelection s;
    for (int id : {1, 2, 3}) {
        s.registerControl(id);
    }
    const std::vector<DesignerRect> rects{{10, 10, 30, 20}, {25, 15, 60, 30}, {40, 40, 50, 50}};
    s.selectInside({55, 55, 5, 5}, rects, {1, 2, 3});  // drawn up and to the left
    EXPECT_EQ(s.selectedIds(), (std::vector<int>{1, 3}));
}

}  // namespace
