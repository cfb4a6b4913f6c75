// TreeFolding.cpp - folding and unfolding subtrees of the tree grid through row hiding.
#include "spread/tree/OvTreeSpread.h"

bool OvTreeSpread::isFolded(int row) const {
    return hasChildren(row) && SSIsRowHidden(row + 1);
}

void OvTreeSpread::showSubtree(int row) {
    // The whole subtree comes back open: every inner mark agrees with what is shown.
    const int end = subtreeEnd(row);
    for (int r = row; r <= end; ++r) {
        SSSetRowHidden(r, false);
        if (r > row && hasChildren(r)) {
            setMarkOpen(markColumn(r), r, true);
        }
    }
    setMarkOpen(markColumn(row), row, true);
}

bool OvTreeSpread::toggleRow(int row) {
    if (!inTree(row) || !hasChildren(row)) {
        return false;
    }
    if (SSIsRowHidden(row + 1)) {
        showSubtree(row);
        return true;
    }
    const int end = subtreeEnd(row);
    for (int r = row + 1; r <= end; ++r) {
        SSSetRowHidden(r, true);
    }
    setMarkOpen(markColumn(row), row, false);
    return true;
}

bool OvTreeSpread::onCellClicked(int col, int row) {
    return treeFlag && inTree(row) && col == markColumn(row) && toggleRow(row);
}

bool OvTreeSpread::onRowAction(int row) {
    return treeFlag && toggleRow(row);
}
