// OvTreeSpread.cpp - set-up, adding items, structure and finishing of the tree grid.
#include "spread/tree/OvTreeSpread.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/resources/ModuleBitmaps.h"

namespace {

constexpr long kMarkStyle = 768;
constexpr int kPictureTypeBitmap = 6;
constexpr int kMarkCodeCount = 6;
// Off / on pictures of the mark codes 1..6.
constexpr std::array<std::array<int, 2>, kMarkCodeCount> kMarkBitmaps{{
    {ovres::kTreeFirstClosed, ovres::kTreeFirstOpen},
    {ovres::kTreeMiddleClosed, ovres::kTreeMiddleOpen},
    {ovres::kTreeLastClosed, ovres::kTreeLastOpen},
    {ovres::kTreeBranch, ovres::kTreeBranch},
    {ovres::kTreeLastLeaf, ovres::kTreeLastLeaf},
    {ovres::kTreeLine, ovres::kTreeLine},
}};

}  // namespace

int OvTreeSpread::markBitmapOff(int code) {
    return code >= 1 && code <= kMarkCodeCount ? kMarkBitmaps[code - 1][0] : 0;
}

int OvTreeSpread::markBitmapOn(int code) {
    return code >= 1 && code <= kMarkCodeCount ? kMarkBitmaps[code - 1][1] : 0;
}

const wchar_t* OvTreeSpread::dragFormatName() {
    return L"Orvane dragging format";
}

OvTreeSpread::OvTreeSpread() = default;
OvTreeSpread::~OvTreeSpread() = default;

bool OvTreeSpread::setTreeLook(int levelCol, int textCol, DropCallback callback, bool allowDrop) {
    if (!isCreated() || levelCol < 1 || textCol < 1) {
        return false;
    }
    treeFlag = true;
    levelColumn = levelCol;
    textColumn = textCol;
    SSSetBool(kPropRedraw, false);
    SSSetBool(kPropAutoCalc, false);
    SSSetBool(32, true);
    SSSetBool(33, true);
    SSSetBool(kPropRowHeaderShares, false);
    SSSetBool(3, false);
    SSSetBool(kPropUserMode, false);
    SSSetBackColorStyle(0);
    SSSetOddEvenRowColor(0xFFFFFF, 0, 0xFFFFFF, 0xFF0000);
    SSSetGridType(7);
    SSSetGridColor(0xFFFFFF);
    SSSetBool(23, true);
    SSSetCursor(1, -1);
    SSSetSelColor(0xAA0000, 0xFFFFFF);
    SSSetHeaderColors(0xFFFFFF, 0xFFFFFF);
    SSSetActiveCellHighlightStyle(0);
    SSSetModeB(5);
    // A tree has no column letters or row numbers.
    SSSetColWidthInPixels(ovgrid::HEADER, 0);
    SSSetRowHeightInPixels(ovgrid::HEADER, 0);
    SSSetMaxCols(0);
    SSSetMaxRows(0);
    levelCount = 0;
    dropEnabled = static_cast<bool>(callback);
    dropCallback = std::move(callback);
    allowDropFlag = allowDrop;
    return true;
}

bool OvTreeSpread::isMarked(int col, int row) const {
    std::wstring formula;
    return SSGetFormula(col, row, formula) && !formula.empty();
}

int OvTreeSpread::depth(int row) const {
    if (!inTree(row) || levelCount < 1) {
        return 0;
    }
    int d = 1;
    for (int col = levelColumn + 1; col < levelColumn + levelCount && isMarked(col, row); ++col) {
        ++d;
    }
    return d;
}

int OvTreeSpread::subtreeEnd(int row) const {
    const int d = depth(row);
    if (d == 0) {
        return -1;
    }
    const int rows = SSGetMaxRows();
    int last = row;
    while (last < rows && depth(last + 1) > d) {
        ++last;
    }
    return last;
}

int OvTreeSpread::parentRow(int row) const {
    const int d = depth(row);
    for (int above = row - 1; d > 1 && above >= 1; --above) {
        if (depth(above) < d) {
            return above;
        }
    }
    return -1;
}

int OvTreeSpread::markColumn(int row) const {
    const int d = depth(row);
    return d > 0 ? levelColumn + d - 1 : -1;
}

int OvTreeSpread::markCodeAt(int col, int row) const {
    ovgrid::CellType type;
    if (!SSGetCellType(col, row, type) || type.type != ovgrid::kTypeCheck) {
        return kMarkNone;
    }
    for (int code = 1; code <= kMarkCodeCount; ++code) {
        if (type.checkPictures[0] == markBitmapOff(code) &&
            type.checkPictures[1] == markBitmapOn(code)) {
            return code;
        }
    }
    return kMarkNone;
}

Tvx_String OvTreeSpread::itemText(int row, int index) const {
    Tvx_String text;
    if (inTree(row) && index >= 0) {
        getCellText(levelColumn + levelCount + index, row, text, kReadValue);
    }
    return text;
}

int OvTreeSpread::insertItemRow(int at, const Tvx_StringArray& texts, int itemDepth) {
    const int rows = SSGetMaxRows();
    // Cell-level insertion: a tree of thousands of rows must not pay for row captions.
    if (!SSSetMaxRows(rows + 1) || (at <= rows && !SSInsertRow(at))) {
        return -1;
    }
    const int firstText = levelColumn + levelCount;
    const int needCols = firstText + std::max(texts.length(), 1) - 1;
    if (SSGetMaxCols() < needCols) {
        SSSetMaxCols(needCols);
    }
    for (int i = 0; i < texts.length(); ++i) {
        SSSetData(firstText + i, at, texts[i].wstr());
    }
    for (int col = levelColumn; col < levelColumn + itemDepth; ++col) {
        SSSetFormula(col, at, L"1", false);
    }
    return at;
}

int OvTreeSpread::addItem(const Tvx_StringArray& texts) {
    if (!treeFlag) {
        return -1;
    }
    if (levelCount == 0) {
        levelCount = 1;
        SSSetMaxCols(std::max(SSGetMaxCols(), levelColumn + texts.length()));
    }
    return insertItemRow(SSGetMaxRows() + 1, texts, 1);
}

int OvTreeSpread::addChild(int parentRow, const Tvx_StringArray& texts) {
    const int parentDepth = depth(parentRow);
    if (parentDepth == 0) {
        return -1;
    }
    const int d = parentDepth + 1;
    const int below = subtreeEnd(parentRow) + 1;
    if (levelCount < d) {
        // A new level column goes at the end of the band, in front of every row's texts.
        const int at = levelColumn + levelCount;
        if (!SSSetMaxCols(SSGetMaxCols() + 1) || !SSInsertCol(at)) {
            return -1;
        }
        SSSetColWidthInPixels(at, kMarkColumnWidth);
        ++levelCount;
    }
    return insertItemRow(below, texts, d);
}

bool OvTreeSpread::finishTree() {
    if (!treeFlag) {
        return false;
    }
    const int rows = SSGetMaxRows();
    for (int row = 1; row <= rows; ++row) {
        const int d = depth(row);
        if (d >= levelCount) {
            continue;
        }
        // A shallow row's text starts right after its marks and runs over the unused cells.
        const int anchor = levelColumn + d;
        const Tvx_String text = itemText(row, 0);
        SSAddCellSpan(anchor, row, levelCount - d + 1, 1);
        SSSetData(anchor, row, text.wstr());
    }
    drawMarks();
    SSSetBool(kPropRedraw, true);
    return true;
}

void OvTreeSpread::setMark(int col, int row, int code, bool open) {
    const std::int64_t off = markBitmapOff(code);
    const std::int64_t on = markBitmapOn(code);
    const std::array<std::int64_t, 6> pictures{off, on, off, on, off, on};
    const std::array<int, 6> types{kPictureTypeBitmap, kPictureTypeBitmap, kPictureTypeBitmap,
                                   kPictureTypeBitmap, kPictureTypeBitmap, kPictureTypeBitmap};
    ovgrid::CellType type;
    SSSetTypeCheckBox(type, kMarkStyle, L"", pictures, types);
    SSSetCellType(col, row, type);
    setMarkOpen(col, row, open);
}

void OvTreeSpread::setMarkOpen(int col, int row, bool open) {
    // The state is the marker formula itself, so the depth survives every fold.
    SSSetFormula(col, row, open ? L"1" : L"0", true);
}

void OvTreeSpread::drawMarks() {
    const int rows = SSGetMaxRows();
    for (int col = levelColumn; col < levelColumn + levelCount; ++col) {
        SSSetColWidthInPixels(col, kMarkColumnWidth);
    }
    // One pass keeps the ancestors of the current row and their subtree ends.
    std::vector<int> ancestorEnds;  // index k: subtree end of the depth k+1 ancestor
    for (int row = 1; row <= rows; ++row) {
        const int d = depth(row);
        const int end = subtreeEnd(row);
        ancestorEnds.resize(static_cast<std::size_t>(d));
        ancestorEnds[static_cast<std::size_t>(d - 1)] = end;
        // The subtree end of the parent, or of the whole tree for a top-level row.
        const int parentEnd = d > 1 ? ancestorEnds[static_cast<std::size_t>(d - 2)] : rows;
        // Lines of the ancestors that still have siblings below.
        for (int k = 1; k < d; ++k) {
            const int ancestorEnd = ancestorEnds[static_cast<std::size_t>(k - 1)];
            const int outerEnd = k > 1 ? ancestorEnds[static_cast<std::size_t>(k - 2)] : rows;
            if (ancestorEnd < outerEnd) {
                setMark(levelColumn + k - 1, row, kMarkLine, true);
            }
        }
        const int col = levelColumn + d - 1;
        if (end > row) {
            int code = kMarkMiddle;
            if (d == 1 && row == 1) {
                code = kMarkFirst;
            } else if (end == parentEnd) {
                code = kMarkLast;
            }
            setMark(col, row, code, true);
        } else if (d == 1) {
            setMark(col, row, kMarkBranch, true);
        } else {
            setMark(col, row, row == parentEnd ? kMarkLastLeaf : kMarkBranch, true);
        }
    }
}

int OvTreeSpread::onKeyLeft(int row) {
    if (hasChildren(row) && !isFolded(row)) {
        toggleRow(row);
        return row;
    }
    const int parent = parentRow(row);
    return parent > 0 ? parent : row;
}

int OvTreeSpread::onKeyRight(int row) {
    if (!hasChildren(row)) {
        return row;
    }
    if (isFolded(row)) {
        toggleRow(row);
        return row;
    }
    return row + 1;
}

Tvx_String OvTreeSpread::dragText() const {
    int col = 0, row = 0;
    if (!SSGetActiveCell(col, row) || !inTree(row)) {
        return {};
    }
    // textColumn counts from a band of one level column; the texts move right as it widens.
    const int index = textColumn - levelColumn - 1;
    if (index < 0) {
        Tvx_String text;
        getCellText(textColumn, row, text, kReadValue);
        return text;
    }
    return itemText(row, index);
}

Tvx_StringArray OvTreeSpread::splitDroppedNames(const Tvx_String& text) {
    Tvx_StringArray names;
    int from = 0;
    while (from <= text.length()) {
        int at = text.find(L';', from);
        if (at < 0) {
            at = text.length();
        }
        const Tvx_String name = text.mid(from, at - from);
        if (!name.isEmpty()) {
            names.append(name);
        }
        from = at + 1;
    }
    return names;
}

bool OvTreeSpread::receiveDrop(const Tvx_StringArray& names, const Tvx_Array<AcDbObjectId>& ids) {
    if (!acceptsDrops() || (names.isEmpty() && ids.isEmpty())) {
        return false;
    }
    droppedNames = names;
    droppedIds = ids;
    if (dropCallback) {
        dropCallback(*this);
    }
    return true;
}

bool OvTreeSpread::chooseTreeMenuItem(int n) {
    if (n < 0 || n >= menuTexts.length()) {
        return false;
    }
    if (commandHandler) {
        commandHandler(getControlId(), n);
    }
    return true;
}
