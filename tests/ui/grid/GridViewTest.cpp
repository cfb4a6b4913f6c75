// GridViewTest.cpp - a grid shown in a dialog: what the view shows of every cell attribute,
// edits reaching the grid, check box and button notifications, the context menu, keys,
// selection in both directions and fitting on resize. Saves the screenshot Tvx_Spread.png.
#include <QHeaderView>
#include <QMenu>
#include <QTimer>

#include "ui/UiTestSupport.h"
#include "ui/grid/GridLook.h"
#include "ui/grid/GridViewFixture.h"

namespace {

using ovgrid::HEADER;
using ovui::grid::OvSpreadView;

// A sheet with one column per cell type, headers, spans, colours and a hidden row.
void fillSampleSheet(Tvx_Spread& spread) {
    spread.setDefaultLook(false);
    spread.setMaxCols(7);
    spread.setMaxRows(9);
    spread.setFonts(false);
    spread.setRowTexts(HEADER,
                       {L"Part", L"Length", L"Grade", L"Use", L"Action", L"Note", L"Picture"});
    spread.setColTexts(
        1, {L"Plate", L"Plate", L"Beam", L"Beam", L"Beam", L"Column", L"Bolt", L"Nut", L"Washer"});
    spread.setNumberType(2, 1, 2, 9, 2, false);
    for (int row = 1; row <= 9; ++row) {
        spread.setCellText(2, row, Tvx_String(std::to_wstring(row * 125 + 0.5)));
    }
    spread.setComboType(3, 1, 3, 9, {L"S235", L"S275", L"S355"}, false);
    spread.setColTexts(3,
                       {L"S235", L"S355", L"S275", L"S235", L"S355", L"S355", L"8.8", L"8", L"St"});
    spread.setCheckBoxType(4, false, false);
    spread.setColBools(4, {true, false, true, true, false, true, false, true, false});
    spread.setButtonType(5, L"Edit...", false);
    spread.setStaticColumn(6);
    spread.setColTexts(6, {L"fixed", L"", L"", L"", L"", L"", L"", L"", L"read only"});
    spread.setPictureCell(7, 1, ovres::kCheckBitmapOn, false);
    spread.mergeEqualInColumn(1);
    spread.SSSetColor(6, 1, 0xCCFFFF, 0x0000C0);  // light yellow, dark red
    spread.SSSetColorRange(1, 6, 6, 6, 0xF0E0D0, ovgrid::DEFAULT_COLOR);
    spread.SSSetBorder(2, 3, 31, 1, 0xC00000);
    spread.SSSetRowHidden(8, true);
    spread.lockCell(6, 1, true);
    spread.SSSetActiveCell(2, 2);
    spread.setFitMode(1);
}

TEST_F(GridViewTest, ShowsEveryAttributeOfTheSheet) {
    fillSampleSheet(spread);
    view->refresh();

    EXPECT_EQ(model().rowCount(), 9);
    EXPECT_EQ(model().columnCount(), 7);
    // Contents as shown, with the decimals of number cells.
    EXPECT_EQ(cell(2, 1).data().toString(), QStringLiteral("125.50"));
    EXPECT_EQ(cell(1, 3).data().toString(), QStringLiteral("Beam"));
    EXPECT_EQ(cell(5, 1).data().toString(), QStringLiteral("Edit..."));
    EXPECT_EQ(cell(4, 1).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(cell(4, 2).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(model().headerData(1, Qt::Horizontal).toString(), QStringLiteral("Length"));
    EXPECT_EQ(model().headerData(2, Qt::Vertical).toString(), QStringLiteral("3"));
    EXPECT_TRUE(model().headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(cell(1, 1).data(Qt::FontRole).value<QFont>().bold());
    // COLORREFs are 0x00BBGGRR.
    EXPECT_EQ(cell(6, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 204));
    EXPECT_EQ(cell(6, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(192, 0, 0));
    EXPECT_FALSE(cell(6, 2).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(cell(2, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    // What may be typed in.
    EXPECT_TRUE(cell(1, 9).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(cell(6, 2).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(cell(5, 1).flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(cell(4, 1).flags() & Qt::ItemIsUserCheckable);
    // Spans, hidden rows, sizes and the active cell.
    EXPECT_EQ(view->rowSpan(0, 0), 2);
    EXPECT_EQ(view->rowSpan(2, 0), 3);
    EXPECT_EQ(view->rowSpan(5, 0), 1);
    EXPECT_TRUE(view->isRowHidden(7));
    EXPECT_FALSE(view->isRowHidden(6));
    for (int col = 1; col <= 7; ++col) {
        int pixels = 0;
        grid().getColWidthInPixels(col, pixels);
        EXPECT_EQ(view->columnWidth(col - 1), pixels) << col;
    }
    EXPECT_EQ(view->currentIndex(), cell(2, 2));

    const auto folder = uitest::screenshotFolder();
    std::filesystem::create_directories(folder);
    const QString file = QString::fromStdString((folder / "Tvx_Spread.png").string());
    EXPECT_TRUE(dialog->grab().save(file)) << file.toStdString();
}

TEST_F(GridViewTest, EditsReachTheGridAsDataOrFormula) {
    spread.setMaxCols(3);
    spread.setMaxRows(3);
    spread.setNumberType(2, 1, 2, 3, 2, false);
    spread.setStaticCell(3, 1);
    spread.lockCell(3, 2, true);
    spread.setCellText(1, 1, L"4");
    grid().setBool(Tvx_Spread::kPropAutoCalc, true);
    view->refresh();

    struct Case {
        int col, row;
        const char* typed;
        bool accepted;
        const wchar_t* value;
        const wchar_t* formula;
    } cases[] = {
        {1, 2, "steel", true, L"steel", L""},
        {1, 3, "=A1*2", true, L"8", L"A1*2"},
        {2, 1, "3.25", true, L"3.25", L""},
        {2, 2, "abc", false, L"", L""},  // a number cell takes numbers only
        {2, 3, "=A1+1", true, L"5", L"A1+1"},
        {3, 1, "typed", false, L"", L""},     // static text
        {3, 2, "typed", false, L"", L""},     // locked
        {1, 2, "=1+", false, L"steel", L""},  // a formula that does not compile
    };
    for (const Case& c : cases) {
        const bool done = model().setData(cell(c.col, c.row), QString::fromUtf8(c.typed));
        EXPECT_EQ(done, c.accepted) << c.typed;
        EXPECT_EQ(text(c.col, c.row), Tvx_String(c.value)) << c.typed;
        EXPECT_EQ(text(c.col, c.row, Tvx_Spread::kReadFormula), Tvx_String(c.formula)) << c.typed;
    }
    // The editor is given the formula, not its result.
    EXPECT_EQ(cell(1, 3).data(Qt::EditRole).toString(), QStringLiteral("=A1*2"));
    EXPECT_EQ(cell(1, 3).data().toString(), QStringLiteral("8"));
}

TEST_F(GridViewTest, CheckBoxClickRaises59AndRunsTheLinkedLockRule) {
    spread.setMaxCols(2);
    spread.setMaxRows(3);
    spread.setCheckBoxType(1, false, false);
    spread.setColBools(1, {false, true, false});
    spread.linkCheckBoxColumns(1, 2);
    view->refresh();
    ASSERT_TRUE(spread.SSGetLock(2, 3));

    std::vector<std::array<int, 3>> raised;
    QObject::connect(view, &OvSpreadView::gridNotify, [&](int code, int col, int row) {
        raised.push_back({code, col, row});
    });
    click(1, 3);
    EXPECT_EQ(text(1, 3), Tvx_String(L"1"));
    EXPECT_EQ(raised, (std::vector<std::array<int, 3>>{{59, 1, 3}}));
    int col = 0, row = 0;
    EXPECT_TRUE(spread.SSGetNotificationCell(col, row));
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(1, 3));
    EXPECT_FALSE(spread.SSGetLock(2, 3));
    // The active cell moved to the unlocked cell, and the view followed.
    EXPECT_EQ(view->currentIndex(), cell(2, 3));

    click(1, 3);
    EXPECT_EQ(text(1, 3), Tvx_String(L"0"));
    EXPECT_TRUE(spread.SSGetLock(2, 3));
    // A locked check box does not change.
    spread.lockCell(1, 1, true);
    click(1, 1);
    EXPECT_EQ(text(1, 1), Tvx_String(L"0"));
    EXPECT_EQ(raised.size(), 2u);
}

TEST_F(GridViewTest, ButtonClickRaises60) {
    spread.setMaxCols(2);
    spread.setMaxRows(2);
    spread.setButtonType(2, L"Pick", false);
    view->refresh();
    std::vector<std::array<int, 3>> raised;
    QObject::connect(view, &OvSpreadView::gridNotify, [&](int code, int col, int row) {
        raised.push_back({code, col, row});
    });
    click(2, 2);
    click(1, 2);  // not a button
    EXPECT_EQ(raised, (std::vector<std::array<int, 3>>{{60, 2, 2}}));
    int col = 0, row = 0;
    spread.SSGetNotificationCell(col, row);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(2, 2));
}

TEST_F(GridViewTest, ContextMenuShowsTheItemsAndRunsTheChosenOne) {
    spread.setMaxCols(2);
    spread.setMaxRows(3);
    spread.setCheckBoxType(2, false, false);
    spread.setContextMenuItems({Tvx_Spread::kMenuInsertRow, Tvx_Spread::kMenuSeparator,
                                Tvx_Spread::kMenuDeleteRow, Tvx_Spread::kMenuCheckAll});
    view->refresh();

    QMenu menu;
    view->fillContextMenu(menu);
    ASSERT_EQ(menu.actions().size(), 4);
    EXPECT_TRUE(menu.actions()[1]->isSeparator());

    // Check every box of the selected block.
    spread.SSSetSelectedBlock(1, 1, 2, 3);
    view->refresh();
    menu.actions()[3]->trigger();
    EXPECT_EQ(text(2, 1) + text(2, 2) + text(2, 3), Tvx_String(L"111"));

    // A right click shows the popup; choosing "insert row" adds a row the view shows.
    spread.SSSetSelectedBlock(1, 2, 1, 2);
    view->refresh();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        shown = popup != nullptr;
        if (popup) {
            popup->actions().first()->trigger();
            popup->close();
        }
    });
    click(1, 2, Qt::RightButton);
    EXPECT_TRUE(shown);
    EXPECT_EQ(spread.getMaxRows(), 4);
    EXPECT_EQ(model().rowCount(), 4);
}

TEST_F(GridViewTest, ResizeReappliesFitModeOne) {
    spread.setMaxCols(4);
    spread.setMaxRows(3);
    spread.setDefaultLook(false);  // the header column shares the width
    spread.setFitMode(1);
    for (int width : {500, 820}) {
        dialog->resize(width, 300);
        QApplication::processEvents();
        const int client = view->contentsRect().width();
        int header = 0;
        grid().getColWidthInPixels(HEADER, header);
        EXPECT_EQ(header, client / 5) << width;
        EXPECT_EQ(view->verticalHeader()->width(), header) << width;
        for (int col = 1; col <= 4; ++col) {
            EXPECT_EQ(view->columnWidth(col - 1), client / 5) << width << " " << col;
        }
    }
}

TEST_F(GridViewTest, SelectionFollowsBothWays) {
    spread.setMaxCols(3);
    spread.setMaxRows(4);
    view->refresh();

    view->setCurrentIndex(cell(3, 2));
    int col = 0, row = 0;
    EXPECT_TRUE(spread.SSGetActiveCell(col, row));
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(3, 2));

    view->selectionModel()->select(QItemSelection(cell(1, 2), cell(2, 4)),
                                   QItemSelectionModel::ClearAndSelect);
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    EXPECT_TRUE(spread.SSGetSelectedBlock(col1, row1, col2, row2));
    EXPECT_EQ((std::array<int, 4>{col1, row1, col2, row2}), (std::array<int, 4>{1, 2, 2, 4}));

    spread.SSSetActiveCell(1, 4);
    spread.SSSetSelectedBlock(2, 1, -1, 2);  // to the last column
    view->refresh();
    EXPECT_EQ(view->currentIndex(), cell(1, 4));
    EXPECT_TRUE(view->selectionModel()->isSelected(cell(3, 1)));
    EXPECT_FALSE(view->selectionModel()->isSelected(cell(1, 1)));
}

TEST_F(GridViewTest, GridKeysGoToTheSpreadFirst) {
    spread.setMaxCols(1);
    spread.setMaxRows(1);
    spread.setDefaultLook(false);
    ASSERT_FALSE(spread.SSGetBool(Tvx_Spread::kPropDesignMode));
    pressKey(Qt::Key_F8);
    EXPECT_TRUE(spread.SSGetBool(Tvx_Spread::kPropDesignMode));
    pressKey(Qt::Key_F8);
    EXPECT_FALSE(spread.SSGetBool(Tvx_Spread::kPropDesignMode));
}

TEST_F(GridViewTest, StructureChangesFromCodeAreTakenOnRefresh) {
    spread.setMaxCols(2);
    spread.setMaxRows(2);
    view->refresh();
    spread.appendRow(false);
    spread.SSSetRowHeightInPixels(3, 40);
    spread.SSAddCellSpan(1, 1, 2, 1);
    spread.SSSetRowHidden(2, true);
    view->refresh();
    EXPECT_EQ(model().rowCount(), 3);
    EXPECT_EQ(view->rowHeight(2), 40);
    EXPECT_EQ(view->columnSpan(0, 0), 2);
    EXPECT_TRUE(view->isRowHidden(1));
    // And back.
    spread.SSRemoveCellSpan(1, 1);
    spread.SSSetRowHidden(2, false);
    view->refresh();
    EXPECT_EQ(view->columnSpan(0, 0), 1);
    EXPECT_FALSE(view->isRowHidden(1));
}

}  // namespace
