// Copy and paste through the grid's context menu: the grids of one dialog (host) share a
// clipboard, the grids of another dialog do not see it.
#include <gtest/gtest.h>

#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

namespace {

// A created 2 x 2 grid with the copy (2) and paste (3) menu items.
void createOn(HeadlessGridHost& host, int id, Tvx_Spread& spread) {
    host.addControl(id, {10, 30 * id, 400, 30 * id + 200});
    ASSERT_TRUE(spread.create(&host, id, true));
    spread.setMaxCols(2);
    spread.setMaxRows(2);
    ASSERT_TRUE(spread.setContextMenuItems({2, 3}));
}

Tvx_String text(const Tvx_Spread& spread, int col, int row) {
    Tvx_String out;
    spread.getCellText(col, row, out);
    return out;
}

}  // namespace

TEST(HostClipboard, GridsOfOneHostShareItAndAnotherHostKeepsItsOwn) {
    HeadlessGridHost dialog, otherDialog;
    Tvx_Spread source, sameDialog, elsewhere;
    createOn(dialog, 1, source);
    createOn(dialog, 2, sameDialog);
    createOn(otherDialog, 1, elsewhere);

    // The other dialog copies first, then the source: neither overwrites the other's.
    elsewhere.setCellText(1, 1, L"kept apart");
    elsewhere.SSSetActiveCell(1, 1);
    ASSERT_TRUE(elsewhere.runContextMenuItem(0));
    source.setRowTexts(1, {L"a", L"b"});
    ASSERT_TRUE(source.SSSetSelectedBlock(1, 1, 2, 1));
    ASSERT_TRUE(source.runContextMenuItem(0));

    sameDialog.SSSetActiveCell(1, 2);
    ASSERT_TRUE(sameDialog.runContextMenuItem(1));
    EXPECT_EQ(text(sameDialog, 1, 2), L"a");
    EXPECT_EQ(text(sameDialog, 2, 2), L"b");

    elsewhere.SSSetActiveCell(2, 2);
    ASSERT_TRUE(elsewhere.runContextMenuItem(1));
    EXPECT_EQ(text(elsewhere, 2, 2), L"kept apart");
    EXPECT_EQ(text(elsewhere, 1, 2), L"");
}
