// OvTreeSpread.h - a grid that shows its rows as an indented, foldable tree.
//
// Layout: columns before levelColumn are left to the caller; the level band (levelColumn ..
// levelColumn + levelCount - 1) holds the tree marks; an item's texts follow the band. The band
// widens by one column whenever a child is deeper than the band, so an item's texts move right
// with it; textColumn names the column of the dragged text as the tree was set up (with one
// level column) and keeps naming the same text as the band widens.
//
// Depth markers: the level cells levelColumn .. levelColumn + depth - 1 of a row hold a formula
// ("1" when added). A row's depth is 1 plus the number of consecutive marked cells from column
// levelColumn + 1. The mark pictures are check-box cells drawn in those marked cells; a fold mark
// keeps its open/closed state as its formula ("1" open, "0" closed), so folding never loses a
// depth marker.
//
// Mark codes (check-box "off" / "on" picture): 1 first top row with children, 2 a row with
// children in the middle, 3 the last one, 4 a leaf with a branch below, 5 the last leaf of its
// parent, 6 a line passing by.
#pragma once

#include <functional>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/AcDbObjectId.h"
#include "spread/Tvx_Spread.h"

class OvTreeSpread : public Tvx_Spread {
  public:
    using DropCallback = std::function<void(OvTreeSpread&)>;
    // Receives the choice of item n of the tree's own popup: (the grid's control id, n).
    using CommandHandler = std::function<void(int controlId, int item)>;

    enum MarkCode {
        kMarkNone = 0,
        kMarkFirst = 1,
        kMarkMiddle = 2,
        kMarkLast = 3,
        kMarkBranch = 4,
        kMarkLastLeaf = 5,
        kMarkLine = 6
    };
    // Bitmap resources of the marks, by code (1..6): the "off" (closed) and "on" (open) picture.
    static int markBitmapOff(int code);
    static int markBitmapOn(int code);
    // The module's drag format name; dragged names are joined by ";".
    static const wchar_t* dragFormatName();
    static constexpr int kMarkColumnWidth = 20;
    // Row actions the grid reports (a click on a cell, an action on a row).
    static constexpr int kNotifyCellClick = 0x50A;
    static constexpr int kNotifyRowAction = 0x501;

    OvTreeSpread();
    ~OvTreeSpread() override;

    // Gives the grid the tree look and empties it. A callback makes the tree a drop target.
    bool setTreeLook(int levelColumn, int textColumn, DropCallback dropCallback, bool allowDrop);

    // A top-level item after the last row; its row, or -1.
    int addItem(const Tvx_StringArray& texts);
    // A child directly below the last row of the parent's subtree; its row, or -1.
    int addChild(int parentRow, const Tvx_StringArray& texts);
    // Spans short rows' texts over the unused level cells, draws the marks, redraws.
    bool finishTree();

    // Structure (rows 1-based; 0 or -1 for rows outside the tree).
    int depth(int row) const;
    int subtreeEnd(int row) const;
    bool hasChildren(int row) const { return subtreeEnd(row) > row; }
    int parentRow(int row) const;
    // The column of the row's fold mark (levelColumn + depth - 1).
    int markColumn(int row) const;
    // The mark code drawn in a cell, or kMarkNone.
    int markCodeAt(int col, int row) const;
    // The row's first text (the item's text at index `index`).
    Tvx_String itemText(int row, int index = 0) const;
    bool isFolded(int row) const;

    // Folds an open row with children, unfolds a folded one. False for other rows.
    bool toggleRow(int row);
    // What the grid reports: a click on a cell folds on the row's mark cell; a row action folds
    // any row with children. True when something changed.
    bool onCellClicked(int col, int row);
    bool onRowAction(int row);
    // Left and Right as in a tree: fold / go to the parent, unfold / go to the first child.
    // Returns the row to make active (the same row when nothing moves).
    int onKeyLeft(int row);
    int onKeyRight(int row);

    // Drag and drop.
    Tvx_String dragText() const;  // the text column's text of the active row
    static Tvx_StringArray splitDroppedNames(const Tvx_String& text);
    // Stores what was dropped and calls the drop callback. False (nothing stored) when the tree
    // takes no drops or nothing was dropped.
    bool receiveDrop(const Tvx_StringArray& names, const Tvx_Array<AcDbObjectId>& ids);
    const Tvx_StringArray& lastDroppedNames() const { return droppedNames; }
    const Tvx_Array<AcDbObjectId>& lastDroppedIds() const { return droppedIds; }
    bool acceptsDrops() const { return dropEnabled && allowDropFlag; }

    // The tree's own popup.
    void setTreeMenu(const Tvx_StringArray& texts) { menuTexts = texts; }
    const Tvx_StringArray& treeMenuTexts() const { return menuTexts; }
    void setCommandHandler(CommandHandler handler) { commandHandler = std::move(handler); }
    // Forwards the choice of item n; false for an index outside the popup.
    bool chooseTreeMenuItem(int n);

    bool isTree() const { return treeFlag; }
    int getLevelColumn() const { return levelColumn; }
    int getTextColumn() const { return textColumn; }
    int getLevelCount() const { return levelCount; }

  private:
    bool isMarked(int col, int row) const;
    bool inTree(int row) const { return treeFlag && row >= 1 && row <= SSGetMaxRows(); }
    int insertItemRow(int at, const Tvx_StringArray& texts, int itemDepth);
    void drawMarks();
    void setMark(int col, int row, int code, bool open);
    void setMarkOpen(int col, int row, bool open);
    void showSubtree(int row);

    bool treeFlag = false;
    int levelColumn = 1;
    int textColumn = 1;
    bool dropEnabled = false;
    bool allowDropFlag = false;
    DropCallback dropCallback;
    int levelCount = 0;
    Tvx_StringArray droppedNames;
    Tvx_Array<AcDbObjectId> droppedIds;
    Tvx_StringArray menuTexts;
    CommandHandler commandHandler;
};
