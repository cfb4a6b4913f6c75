// CDlgSheetsMgrTest.cpp - the sheets manager docked in a host window: one palette for two
// starts, the trees, the menus and what their choices print, "Change format" in the drawing,
// folding with the mouse on a mark, drag and drop between the trees, and bad drops.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <memory>

#include "core/DlgSizeStore.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/sheets/PickFirstSelection.h"
#include "host/HostServices.h"
#include "host/HostWindow.h"
#include "ui/COvDockControlBar.h"
#include "ui/UiTestSupport.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/spread/CDlgSheetsMgr.h"
#include "ui/spread/OvTreeController.h"

namespace {

using ovui::spread::OvTreeController;

constexpr const char* kDrawing = R"({
  "format": "ovss-drawing", "version": 1,
  "sheets": [
    { "name": "Overview", "format": "A3", "parts": [ "Column C1", "Beam B1", "Beam B2" ] },
    { "name": "Beam B1", "format": "A3", "parts": [ "Beam B1", "End plate EP1", "Bolts M20" ] },
    { "name": "Column C1", "format": "A2", "parts": [ "Column C1", "Base plate BP1" ] },
    { "name": "Bracing", "format": "A3", "parts": [] } ] })";

class SheetsMgr : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        Tvx_String error;
        ASSERT_TRUE(drawingPtr->loadFromJson(kDrawing, error)) << error;
        frame.resize(1000, 640);
        frame.show();
        setHostMainWindow(static_cast<QWidget*>(&frame));
    }
    void TearDown() override {
        EndModelessDlgSheetsMgr();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setHostMainWindow(nullptr);
        setPickFirstSelection({});
    }
    CDlgSheetsMgr* open() {
        EXPECT_TRUE(StartModelessDlgSheetsMgr(OvSheetsMgrDlgData(drawingPtr)));
        COvDockControlBar* bar = sheetsMgrBar();
        return bar ? static_cast<CDlgSheetsMgr*>(bar->dialog()) : nullptr;
    }
    static ovui::grid::OvSpreadView* viewOf(CDlgSheetsMgr& dlg, int id) {
        return qobject_cast<ovui::grid::OvSpreadView*>(dlg.item(id));
    }
    static void clickCell(ovui::grid::OvSpreadView& view, int col, int row) {
        view.refresh();
        QApplication::processEvents();
        ASSERT_GT(view.model()->rowCount(), row - 1) << view.isVisible();
        const QRect rect = view.visualRect(view.model()->index(row - 1, col - 1));
        ASSERT_TRUE(rect.isValid());
        QWidget* target = view.viewport();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(
                type, rect.center(), target->mapToGlobal(rect.center()), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        }
    }
    static QMimeData* dragOf(CDlgSheetsMgr& dlg, int treeId, int row) {
        OvTreeSpread& tree = treeId == CDlgSheetsMgr::kSheetTree ? dlg.sheetTree() : dlg.partTree();
        tree.SSSetActiveCell(1, row);
        return dlg.controller(treeId)->makeDragData();
    }

    std::shared_ptr<Tvx_Drawing> drawingPtr = std::make_shared<Tvx_Drawing>();
    Tvx_Drawing& drawing = *drawingPtr;
    QMainWindow frame;
    HostRecorder host;
};

TEST_F(SheetsMgr, TwoStartsShowOnePaletteWithTheFirstData) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    COvDockControlBar* bar = sheetsMgrBar();
    EXPECT_EQ(frame.dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    EXPECT_EQ(bar->windowTitle(), QStringLiteral("Sheets manager"));
    EXPECT_EQ(bar->templateId(), 267);
    bar->hide();
    OvSheetsMgrDlgData other;
    other.append(OvSheetEntry(L"Other", {}));
    EXPECT_TRUE(StartModelessDlgSheetsMgr(other));
    EXPECT_EQ(sheetsMgrBar(), bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(dlg->data().length(), 4);
    EXPECT_EQ(frame.findChildren<CDlgSheetsMgr*>().size(), 1);
}

TEST_F(SheetsMgr, EndClosesThePaletteAndAnEndWithoutOneFails) {
    ASSERT_NE(open(), nullptr);
    QPointer<COvDockControlBar> bar(sheetsMgrBar());
    EXPECT_TRUE(EndModelessDlgSheetsMgr());
    EXPECT_EQ(sheetsMgrBar(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(bar.isNull());
    EXPECT_FALSE(EndModelessDlgSheetsMgr());
    // Closing with the bar's own close box empties the slot too.
    ASSERT_NE(open(), nullptr);
    sheetsMgrBar()->close();
    EXPECT_EQ(sheetsMgrBar(), nullptr);
    EXPECT_FALSE(EndModelessDlgSheetsMgr());
}

TEST_F(SheetsMgr, TreesShowSheetsWithPartsAndPartsWithSheets) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    OvTreeSpread& sheets = dlg->sheetTree();
    ASSERT_EQ(sheets.getMaxRows(), 4 + 8);
    EXPECT_EQ(sheets.itemText(1), L"Overview");
    EXPECT_EQ(sheets.itemText(2), L"Column C1");
    EXPECT_EQ(sheets.depth(2), 2);
    EXPECT_EQ(sheets.itemText(5), L"Beam B1");
    EXPECT_EQ(sheets.depth(12), 1);  // Bracing, without parts
    EXPECT_EQ(sheets.markCodeAt(2, 12), OvTreeSpread::kMarkBranch);
    int width = 0;
    sheets.SSGetColWidthInPixels(1, width);
    EXPECT_EQ(width, 20);
    // Parts once each, in the order first met, with their sheets below.
    OvTreeSpread& parts = dlg->partTree();
    EXPECT_EQ(parts.itemText(1), L"Column C1");
    EXPECT_EQ(parts.itemText(2), L"Overview");
    EXPECT_EQ(parts.itemText(3), L"Column C1");
    EXPECT_EQ(parts.itemText(4), L"Beam B1");
    EXPECT_EQ(parts.subtreeEnd(4), 6);
}

TEST_F(SheetsMgr, MenusHoldTheirItemsInOrder) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ASSERT_EQ(dlg->sheetMenuTexts().length(), 11);
    EXPECT_EQ(dlg->sheetMenuTexts()[0], L"New sheet");
    EXPECT_EQ(dlg->sheetMenuTexts()[9], L"Change format");
    EXPECT_EQ(dlg->sheetMenuTexts()[10], L"Properties...");
    ASSERT_EQ(dlg->partMenuTexts().length(), 2);
    EXPECT_EQ(dlg->partMenuTexts()[0], L"Show all sheets of this part");
    ASSERT_EQ(dlg->outputMenuTexts().length(), 4);
    EXPECT_EQ(dlg->outputMenuTexts()[3], L"Generate NC files");
    ASSERT_EQ(dlg->outputMenu()->actions().size(), 4);
    EXPECT_EQ(dlg->outputMenu()->actions()[1]->text(), QStringLiteral("Generate .dwg files"));
    const QWidget* button = dlg->item(CDlgSheetsMgr::kGenerateOutput);
    EXPECT_EQ(dlg->outputMenuPosition(), button->mapToGlobal(QPoint(0, button->height())));
    // The popup a right click shows: the tree's own items.
    QMenu popup;
    dlg->controller(CDlgSheetsMgr::kPartTree)->fillPopup(popup);
    ASSERT_EQ(popup.actions().size(), 2);
    EXPECT_EQ(popup.actions()[1]->text(), QStringLiteral("Properties..."));
}

TEST_F(SheetsMgr, ChangeFormatPrintsItsLineThenGivesTheSheetA4) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    // The cursor on a part of "Column C1" (row 10): the command acts on that sheet.
    dlg->sheetTree().SSSetActiveCell(3, 10);
    EXPECT_TRUE(dlg->sheetTree().chooseTreeMenuItem(9));
    EXPECT_EQ(host.output(), L"\nMenu item \"Change format\" pressed.");
    EXPECT_EQ(drawing.sheets()[2].format, L"A4");
    EXPECT_EQ(drawing.sheets()[0].format, L"A3");
    host.clear();
    QMenu popup;
    dlg->controller(CDlgSheetsMgr::kPartTree)->fillPopup(popup);
    popup.actions()[0]->trigger();
    EXPECT_EQ(host.output(), L"\nMenu item \"Show all sheets of this part\" pressed.");
    EXPECT_EQ(drawing.sheets()[2].format, L"A4");
}

TEST_F(SheetsMgr, EscapeDoesNotCloseThePalette) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dlg, &escape);
    EXPECT_NE(sheetsMgrBar(), nullptr);
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(SheetsMgr, MouseOnAMarkFoldsAndUnfolds) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    auto* view = viewOf(*dlg, CDlgSheetsMgr::kSheetTree);
    ASSERT_NE(view, nullptr);
    OvTreeSpread& tree = dlg->sheetTree();
    clickCell(*view, 2, 5);  // "Beam B1"
    EXPECT_TRUE(tree.SSIsRowHidden(6));
    EXPECT_TRUE(tree.SSIsRowHidden(8));
    EXPECT_FALSE(tree.SSIsRowHidden(9));
    EXPECT_TRUE(view->isRowHidden(5));  // the view follows (its row 6 is index 5)
    Tvx_String state;
    tree.getCellText(2, 5, state);
    EXPECT_EQ(state, L"0");
    clickCell(*view, 2, 5);
    EXPECT_FALSE(tree.SSIsRowHidden(6));
    EXPECT_FALSE(view->isRowHidden(5));
    // Shown again at its height: hiding a row never reached the grid as a height of 0.
    int pixels = 0;
    tree.SSGetRowHeightInPixels(6, pixels);
    EXPECT_EQ(pixels, 17);
    EXPECT_EQ(view->rowHeight(5), 17);
    // A click on a leaf's mark changes nothing, the mark keeps its picture.
    clickCell(*view, 3, 6);
    EXPECT_EQ(tree.markCodeAt(3, 6), OvTreeSpread::kMarkBranch);
    EXPECT_EQ(tree.depth(6), 2);
    // The keyboard: Left folds the current row.
    tree.SSSetActiveCell(3, 1);
    view->refresh();
    view->setFocus();
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(view, &left);
    EXPECT_TRUE(tree.SSIsRowHidden(2));
}

TEST_F(SheetsMgr, DragFromTheSheetTreeDropsInThePartTree) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    std::unique_ptr<QMimeData> data(dragOf(*dlg, CDlgSheetsMgr::kSheetTree, 9));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("Column C1"));
    EXPECT_EQ(QString::fromUtf8(data->data(QStringLiteral("Orvane dragging format"))),
              QStringLiteral("Column C1"));
    auto* target = viewOf(*dlg, CDlgSheetsMgr::kPartTree);
    ASSERT_NE(target, nullptr);
    const QPoint at = target->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    ASSERT_EQ(dlg->partTree().lastDroppedNames().length(), 1);
    EXPECT_EQ(dlg->partTree().lastDroppedNames()[0], L"Column C1");
}

TEST_F(SheetsMgr, DropsOfNamesObjectsAndOtherFormats) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    OvTreeController* controller = dlg->controller(CDlgSheetsMgr::kSheetTree);
    QMimeData names;
    names.setData(QStringLiteral("Orvane dragging format"), QByteArray("Beam B1;Beam B2;Plate"));
    EXPECT_TRUE(controller->dropData(names));
    ASSERT_EQ(dlg->sheetTree().lastDroppedNames().length(), 3);
    EXPECT_EQ(dlg->sheetTree().lastDroppedNames()[2], L"Plate");
    // Drawing objects: the host's pick-first selection.
    setPickFirstSelection({AcDbObjectId(11), AcDbObjectId(12)});
    QMimeData objects;
    objects.setData(OvTreeController::hostEntityFormat(), QByteArray("x"));
    EXPECT_EQ(OvTreeController::hostEntityFormat(), QStringLiteral("ovss-studio.r18"));
    EXPECT_TRUE(controller->dropData(objects));
    EXPECT_EQ(dlg->sheetTree().lastDroppedIds().length(), 2);
    // Another format is refused quietly and changes nothing.
    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
    EXPECT_FALSE(controller->canDrop(image));
    EXPECT_FALSE(controller->dropData(image));
    EXPECT_EQ(dlg->sheetTree().lastDroppedIds().length(), 2);
    // The host's selection is gone and the data carries no names: nothing happens.
    setPickFirstSelection({});
    EXPECT_FALSE(controller->dropData(objects));
    EXPECT_EQ(dlg->sheetTree().lastDroppedIds().length(), 2);
}

TEST_F(SheetsMgr, ClosingWhileADragIsPreparedLosesNothing) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    std::unique_ptr<QMimeData> data(dragOf(*dlg, CDlgSheetsMgr::kSheetTree, 5));
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(EndModelessDlgSheetsMgr());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    // The dragged text lives in the drag's own data; the drawing is untouched.
    EXPECT_EQ(data->text(), QStringLiteral("Beam B1"));
    EXPECT_EQ(drawing.sheets().length(), 4);
    EXPECT_EQ(drawing.sheets()[1].format, L"A3");
}

TEST_F(SheetsMgr, EmptyNamesAndAThousandPartsShowWithoutError) {
    auto big = std::make_shared<Tvx_Drawing>();
    Tvx_Sheet sheet;
    for (int i = 0; i < 1000; ++i) {
        sheet.parts.append(L"P" + Tvx_String::fromInt(i));
    }
    big->sheets().append(sheet);  // an unnamed sheet
    ASSERT_TRUE(StartModelessDlgSheetsMgr(OvSheetsMgrDlgData(big)));
    auto* dlg = static_cast<CDlgSheetsMgr*>(sheetsMgrBar()->dialog());
    EXPECT_EQ(dlg->sheetTree().getMaxRows(), 1001);
    EXPECT_EQ(dlg->sheetTree().itemText(1), L"");
    EXPECT_EQ(dlg->partTree().getMaxRows(), 2000);
    EXPECT_TRUE(host.output().empty());
}

TEST_F(SheetsMgr, SizeComesFromTheSavedSizeOr500By400) {
    CDlgSheetsMgr* dlg = open();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(getSafeDlgSize(L"DLG_SHEETSMGR", 500, 400).width, 500);
    EndModelessDlgSheetsMgr();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Closing remembered the palette's size.
    DlgSize saved;
    EXPECT_TRUE(readDlgSize(L"DLG_SHEETSMGR", saved));
    writeDlgSize(L"DLG_SHEETSMGR", DlgSize{640, 480});
    dlg = open();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(getSafeDlgSize(L"DLG_SHEETSMGR", 500, 400).width, 640);
    // A damaged entry is kept within reason.
    writeDlgSize(L"DLG_SHEETSMGR", DlgSize{5, 99999});
    const DlgSize safe = getSafeDlgSize(L"DLG_SHEETSMGR", 500, 400);
    EXPECT_EQ(safe.width, 100);
    EXPECT_EQ(safe.height, 10000);
}

TEST_F(SheetsMgr, Screenshots) {
    auto sample = std::make_shared<Tvx_Drawing>();
    Tvx_String error;
    ASSERT_TRUE(sample->loadFromFile(
        Tvx_String::fromUtf8(OVSS_SOURCE_DIR "/library/Drawings/sample.json"), error))
        << error;
    ASSERT_TRUE(StartModelessDlgSheetsMgr(OvSheetsMgrDlgData(sample)));
    auto* dlg = static_cast<CDlgSheetsMgr*>(sheetsMgrBar()->dialog());
    auto* area = new QLabel(QStringLiteral("Drawing area"), &frame);
    area->setAlignment(Qt::AlignCenter);
    area->setStyleSheet(QStringLiteral("background: #20242a; color: #c8ccd2;"));
    frame.setCentralWidget(area);
    frame.resize(1100, 720);
    QApplication::processEvents();
    frame.resizeDocks({sheetsMgrBar()}, {560}, Qt::Horizontal);
    QApplication::processEvents();
    // Partly unfolded: every sheet but the first two folded; parts folded after the third.
    OvTreeSpread& sheets = dlg->sheetTree();
    for (int row = sheets.getMaxRows(); row >= 1; --row) {
        if (sheets.depth(row) == 1 && sheets.hasChildren(row) && row > sheets.subtreeEnd(1) + 1) {
            sheets.toggleRow(row);
        }
    }
    OvTreeSpread& parts = dlg->partTree();
    int seen = 0;
    for (int row = 1; row <= parts.getMaxRows(); ++row) {
        if (parts.depth(row) == 1 && parts.hasChildren(row) && ++seen > 3 && !parts.isFolded(row)) {
            parts.toggleRow(row);
        }
    }
    sheets.SSSetActiveCell(4, 3);
    viewOf(*dlg, CDlgSheetsMgr::kSheetTree)->refresh();
    viewOf(*dlg, CDlgSheetsMgr::kPartTree)->refresh();
    QApplication::processEvents();
    const auto folder = uitest::screenshotFolder();
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(frame.grab().save(QString::fromStdString((folder / "CDlgSheetsMgr.png").string())));
    auto* view = viewOf(*dlg, CDlgSheetsMgr::kSheetTree);
    EXPECT_TRUE(view->grab().save(QString::fromStdString((folder / "OvTreeSpread.png").string())));
}

}  // namespace
