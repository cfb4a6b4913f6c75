// Tree grid without a display: structure, the level band, marks, folding, keys, drag texts,
// drops and the tree's popup.
#include <gtest/gtest.h>

#include "spread/HeadlessGridHost.h"
#include "spread/tree/OvTreeSpread.h"

namespace {

constexpr int kGridId = 1196;
constexpr int kLevelCol = 2;
constexpr int kTextCol = 3;

class TreeTest : public ::testing::Test {
  protected:
    TreeTest() : host({0, 0, 600, 500}) {
        host.addControl(kGridId, {10, 10, 400, 400});
        EXPECT_TRUE(tree.create(&host, kGridId, true));
        EXPECT_TRUE(tree.setTreeLook(
            kLevelCol, kTextCol, [this](OvTreeSpread&) { ++drops; }, true));
    }
    int top(const wchar_t* name) { return tree.addItem({name, L"0"}); }
    int child(int parent, const wchar_t* name) { return tree.addChild(parent, {name, L"0"}); }
    Tvx_String value(int col, int row) const {
        Tvx_String out;
        tree.getCellText(col, row, out, Tvx_Spread::kReadValue);
        return out;
    }
    bool hidden(int row) const { return tree.SSIsRowHidden(row); }

    HeadlessGridHost host;
    OvTreeSpread tree;
    int drops = 0;
};

TEST_F(TreeTest, SetUpEmptiesTheGridAndKeepsRedrawingOffUntilFinished) {
    EXPECT_TRUE(tree.isTree());
    EXPECT_EQ(tree.getMaxRows(), 0);
    EXPECT_EQ(tree.getMaxCols(), 0);
    EXPECT_EQ(tree.getLevelCount(), 0);
    EXPECT_FALSE(tree.SSGetBool(Tvx_Spread::kPropRedraw));
    top(L"S1");
    EXPECT_TRUE(tree.finishTree());
    EXPECT_TRUE(tree.SSGetBool(Tvx_Spread::kPropRedraw));
}

TEST_F(TreeTest, LoneTopLevelItemShowsABranchMark) {
    EXPECT_EQ(top(L"Sheet A"), 1);
    tree.finishTree();
    EXPECT_EQ(tree.markCodeAt(kLevelCol, 1), 4);
    EXPECT_EQ(tree.itemText(1), L"Sheet A");
    EXPECT_EQ(tree.depth(1), 1);
    EXPECT_FALSE(tree.hasChildren(1));
}

TEST_F(TreeTest, ChildrenGoBelowTheLastRowOfTheParentsSubtree) {
    const int a = top(L"A");
    const int b = top(L"B");
    EXPECT_EQ(child(a, L"a1"), 2);
    EXPECT_EQ(child(a, L"a2"), 3);   // after a1, before B
    EXPECT_EQ(child(2, L"a1x"), 3);  // under a1, pushes a2 down
    EXPECT_EQ(child(b + 3, L"b1"), 6);
    EXPECT_EQ(tree.getLevelCount(), 3);
    const int depths[] = {1, 2, 3, 2, 1, 2};
    const wchar_t* names[] = {L"A", L"a1", L"a1x", L"a2", L"B", L"b1"};
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(tree.depth(row), depths[row - 1]) << row;
        EXPECT_EQ(tree.itemText(row), names[row - 1]) << row;
    }
    EXPECT_EQ(tree.subtreeEnd(1), 4);
    EXPECT_EQ(tree.subtreeEnd(2), 3);
    EXPECT_EQ(tree.subtreeEnd(3), 3);
    EXPECT_EQ(tree.parentRow(3), 2);
    EXPECT_EQ(tree.parentRow(4), 1);
    EXPECT_EQ(tree.parentRow(5), -1);
    EXPECT_EQ(child(99, L"nowhere"), -1);
}

TEST_F(TreeTest, ADepthThreeChildUnderTwoLevelsWidensTheBandInFrontOfTheTexts) {
    const int a = top(L"A");
    const int a1 = child(a, L"a1");
    ASSERT_EQ(tree.getLevelCount(), 2);
    // Before: level columns 2 and 3, texts from column 4.
    EXPECT_EQ(value(4, a1), L"a1");
    const int cols = tree.getMaxCols();
    EXPECT_EQ(child(a1, L"deep"), 3);
    EXPECT_EQ(tree.getLevelCount(), 3);
    EXPECT_EQ(tree.getMaxCols(), cols + 1);
    // The new level column is 4; every row's texts moved one column to the right.
    EXPECT_EQ(value(5, a), L"A");
    EXPECT_EQ(value(5, a1), L"a1");
    EXPECT_EQ(value(5, 3), L"deep");
    EXPECT_EQ(value(6, 3), L"0");
    EXPECT_EQ(tree.depth(a), 1);
    EXPECT_EQ(tree.depth(a1), 2);
    EXPECT_EQ(tree.depth(3), 3);
}

TEST_F(TreeTest, MarksFollowThePositionOfEachRow) {
    // A(a1, a2) B C(c1)
    const int a = top(L"A");
    top(L"B");
    const int c = top(L"C");
    child(a, L"a1");
    child(a, L"a2");
    child(c + 2, L"c1");
    tree.finishTree();
    ASSERT_EQ(tree.getMaxRows(), 6);
    EXPECT_EQ(tree.markCodeAt(kLevelCol, 1), 1);      // first top row with children
    EXPECT_EQ(tree.markCodeAt(kLevelCol, 2), 6);      // a1: A has siblings below
    EXPECT_EQ(tree.markCodeAt(kLevelCol + 1, 2), 4);  // a1 on a branch
    EXPECT_EQ(tree.markCodeAt(kLevelCol + 1, 3), 5);  // a2 closes A
    EXPECT_EQ(tree.markCodeAt(kLevelCol, 4), 4);      // B: a lone leaf
    EXPECT_EQ(tree.markCodeAt(kLevelCol, 5), 3);      // C: last, with children
    EXPECT_EQ(tree.markCodeAt(kLevelCol, 6), 0);      // c1: nothing below C
    EXPECT_EQ(tree.markCodeAt(kLevelCol + 1, 6), 5);
    // The fold marks start open; mark pictures come in closed / open pairs.
    EXPECT_EQ(value(kLevelCol, 1), L"1");
    EXPECT_EQ(OvTreeSpread::markBitmapOff(1), 274);
    EXPECT_EQ(OvTreeSpread::markBitmapOn(1), 272);
    EXPECT_EQ(OvTreeSpread::markBitmapOff(3), 277);
    EXPECT_EQ(OvTreeSpread::markBitmapOn(6), 279);
    int widthPx = 0;
    tree.SSGetColWidthInPixels(kLevelCol + 1, widthPx);
    EXPECT_EQ(widthPx, 20);
}

TEST_F(TreeTest, ShallowRowsSpanTheirTextOverTheUnusedLevelCells) {
    const int a = top(L"Sheet A");
    child(a, L"Part 1");
    tree.finishTree();
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    ASSERT_TRUE(tree.SSGetCellSpan(kLevelCol + 1, 1, anchorCol, anchorRow, cols, rows));
    EXPECT_EQ(anchorCol, kLevelCol + 1);
    EXPECT_EQ(cols, 2);
    EXPECT_EQ(value(kLevelCol + 1, 1), L"Sheet A");
    EXPECT_FALSE(tree.SSGetCellSpan(kLevelCol + 2, 2, anchorCol, anchorRow, cols, rows));
}

TEST_F(TreeTest, ClickOnTheMarkFoldsAndUnfoldsTheSubtree) {
    const int a = top(L"A");
    const int a1 = child(a, L"a1");
    child(a1, L"a1x");
    child(a, L"a2");
    top(L"B");
    tree.finishTree();
    // A click beside the mark does nothing.
    EXPECT_FALSE(tree.onCellClicked(kLevelCol + 1, a));
    EXPECT_TRUE(tree.onCellClicked(kLevelCol, a));
    EXPECT_TRUE(hidden(2) && hidden(3) && hidden(4));
    EXPECT_FALSE(hidden(5));
    EXPECT_EQ(value(kLevelCol, a), L"0");
    EXPECT_TRUE(tree.isFolded(a));
    EXPECT_TRUE(tree.onCellClicked(kLevelCol, a));
    EXPECT_FALSE(hidden(2) || hidden(3) || hidden(4));
    EXPECT_EQ(value(kLevelCol, a), L"1");
    // Folding keeps the depth markers: the inner row folds on its own mark.
    EXPECT_EQ(tree.depth(a1), 2);
    EXPECT_TRUE(tree.onCellClicked(kLevelCol + 1, a1));
    EXPECT_TRUE(hidden(3));
    EXPECT_FALSE(hidden(4));
    EXPECT_EQ(tree.depth(a1), 2);
    EXPECT_EQ(tree.depth(3), 3);
    // A leaf's mark does nothing.
    EXPECT_FALSE(tree.onCellClicked(kLevelCol, 5));
    EXPECT_FALSE(tree.onRowAction(5));
}

TEST_F(TreeTest, RefoldingAHiddenSubtreeShowsItWholeAndOpensEveryMark) {
    const int a = top(L"A");
    const int a1 = child(a, L"a1");
    child(a1, L"a1x");
    tree.finishTree();
    tree.toggleRow(a1);  // inner subtree closed
    EXPECT_TRUE(hidden(3));
    // The whole subtree hidden from outside the tree.
    tree.SSSetRowHidden(2, true);
    tree.SSSetRowHidden(3, true);
    EXPECT_TRUE(tree.onRowAction(a));
    EXPECT_FALSE(hidden(2));
    EXPECT_FALSE(hidden(3));
    EXPECT_EQ(value(kLevelCol, a), L"1");
    EXPECT_EQ(value(kLevelCol + 1, a1), L"1");
}

TEST_F(TreeTest, LeftAndRightFoldUnfoldAndMoveAsInATree) {
    const int a = top(L"A");
    const int a1 = child(a, L"a1");
    tree.finishTree();
    EXPECT_EQ(tree.onKeyLeft(a1), a);  // a leaf goes to its parent
    EXPECT_EQ(tree.onKeyLeft(a), a);   // an open row folds
    EXPECT_TRUE(hidden(a1));
    EXPECT_EQ(tree.onKeyLeft(a), a);   // folded top row: nowhere to go
    EXPECT_EQ(tree.onKeyRight(a), a);  // unfolds
    EXPECT_FALSE(hidden(a1));
    EXPECT_EQ(tree.onKeyRight(a), a1);  // open: to the first child
    EXPECT_EQ(tree.onKeyRight(a1), a1);
}

TEST_F(TreeTest, DragTextIsTheActiveRowsTextAtEveryDepth) {
    const int a = top(L"Sheet 7");
    const int a1 = child(a, L"Plate P3");
    child(a1, L"Bolt");
    tree.finishTree();
    tree.SSSetActiveCell(1, a);
    EXPECT_EQ(tree.dragText(), L"Sheet 7");
    tree.SSSetActiveCell(1, a1);
    EXPECT_EQ(tree.dragText(), L"Plate P3");
    EXPECT_STREQ(OvTreeSpread::dragFormatName(), L"Orvane dragging format");
}

TEST_F(TreeTest, DroppedNamesAreSplitStoredAndReported) {
    const Tvx_StringArray names = OvTreeSpread::splitDroppedNames(L"Sheet 1;Sheet 2;Part 9");
    ASSERT_EQ(names.length(), 3);
    EXPECT_EQ(names[2], L"Part 9");
    EXPECT_EQ(OvTreeSpread::splitDroppedNames(L";;").length(), 0);
    EXPECT_TRUE(tree.receiveDrop(names, {}));
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(tree.lastDroppedNames().length(), 3);
    EXPECT_TRUE(tree.receiveDrop({}, {AcDbObjectId(42)}));
    EXPECT_EQ(tree.lastDroppedIds().length(), 1);
    EXPECT_EQ(tree.lastDroppedNames().length(), 0);
    // An empty drop changes nothing.
    EXPECT_FALSE(tree.receiveDrop({}, {}));
    EXPECT_EQ(drops, 2);
    EXPECT_EQ(tree.lastDroppedIds().length(), 1);
}

TEST_F(TreeTest, ATreeWithoutCallbackOrWithoutAllowDropTakesNoDrops) {
    OvTreeSpread other;
    host.addControl(1358, {10, 10, 400, 400});
    ASSERT_TRUE(other.create(&host, 1358, true));
    other.setTreeLook(kLevelCol, kTextCol, nullptr, true);
    EXPECT_FALSE(other.receiveDrop({L"x"}, {}));
    other.setTreeLook(
        kLevelCol, kTextCol, [](OvTreeSpread&) {}, false);
    EXPECT_FALSE(other.receiveDrop({L"x"}, {}));
}

TEST_F(TreeTest, PopupChoicesGoToTheOwnerWithTheGridsId) {
    int gotId = 0, gotItem = -1;
    tree.setTreeMenu({L"Show all sheets of this part", L"Properties..."});
    tree.setCommandHandler([&](int id, int item) {
        gotId = id;
        gotItem = item;
    });
    EXPECT_TRUE(tree.chooseTreeMenuItem(1));
    EXPECT_EQ(gotId, kGridId);
    EXPECT_EQ(gotItem, 1);
    EXPECT_FALSE(tree.chooseTreeMenuItem(2));
    EXPECT_FALSE(tree.chooseTreeMenuItem(-1));
}

TEST_F(TreeTest, EmptyNamesAndAThousandChildrenBuildAndFold) {
    const int a = top(L"");
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(child(a, L"p"), i + 2);
    }
    EXPECT_TRUE(tree.finishTree());
    EXPECT_EQ(tree.itemText(a), L"");
    EXPECT_EQ(tree.markCodeAt(kLevelCol + 1, 1001), 5);
    EXPECT_TRUE(tree.toggleRow(a));
    EXPECT_TRUE(hidden(1001));
    EXPECT_TRUE(tree.toggleRow(a));
    EXPECT_FALSE(hidden(500));
}

TEST_F(TreeTest, OperationsOutsideTheTreeFail) {
    EXPECT_EQ(tree.depth(0), 0);
    EXPECT_EQ(tree.depth(5), 0);
    EXPECT_FALSE(tree.toggleRow(1));
    EXPECT_EQ(tree.dragText(), L"");
    OvTreeSpread plain;
    EXPECT_FALSE(plain.setTreeLook(2, 3, nullptr, false));
    EXPECT_EQ(plain.addItem({L"x"}), -1);
}

}  // namespace
