// CuttingStockDialogTest.cpp - the cutting-stock dialog through its launcher: sets and rows,
// OK and Cancel, saving and loading set files with the file dialogs scripted, a bad file, the
// listing, and the mode in which the listing saves every set's stock.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <filesystem>
#include <fstream>

#include "core/FileSystem.h"
#include "core/MessageService.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "core/Tvx_Settings.h"
#include "dialogs/cuttingstock/CuttingStockFiles.h"
#include "ui/QtText.h"
#include "ui/dialogs/LibraryTexts.h"
#include "ui/dialogs/cuttingstock/CDlgInfoText.h"
#include "ui/dialogs/cuttingstock/Tvx_DlgCSP2.h"
#include "ui/services/UiRecorder.h"

namespace {

namespace fs = std::filesystem;
using Rows = Tvx_Array<Tvx_StringArray>;
using ovui::fromQt;

// Two sets of a small hall: beams and columns, stock of 6 and 12 m lengths.
DlgCSP2Data hallRecord() {
    DlgCSP2Data data;
    data.tables[0].headers = {L"Section", L"Length", L"Count"};
    data.tables[1].headers = {L"Section", L"Length", L"Price"};
    data.tables[2].headers = {L"Section", L"Length", L"Count"};
    data.addSet(L"Beams");
    data.addSet(L"Columns");
    data.tables[0].replaceRowsOfSet(1,
                                    Rows{{L"IPE300", L"12000", L"8"}, {L"IPE300", L"6000", L"4"}});
    data.tables[2].replaceRowsOfSet(1, Rows{{L"IPE300", L"5750", L"10"}});
    data.tables[0].replaceRowsOfSet(2, Rows{{L"HEA200", L"6000", L"12"}});
    return data;
}

Tvx_String cell(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item == nullptr ? Tvx_String() : fromQt(item->text());
}

Tvx_String setFolder(const wchar_t* name) {
    return gSettings.libDir + L"Cutting Stock\\" + name + L"\\";
}

class CuttingStockDialog : public LibraryTextsTest {
  protected:
    void SetUp() override {
        LibraryTextsTest::SetUp();
        std::error_code ec;
        fs::remove_all(toFileSystemPath(gSettings.libDir + L"Cutting Stock"), ec);
    }
};

TEST_F(CuttingStockDialog, ShowsTheFirstSetAndSwitchingSetsKeepsTheEditedRows) {
    DlgCSP2Data data = hallRecord();
    uitest::drive([](OvDialog& dlg) {
        auto& csp = static_cast<Tvx_DlgCSP2&>(dlg);
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"Cutting stock optimisation");
        EXPECT_EQ(csp.currentSet(), 1);
        QTableWidget* stock = csp.grid(0);
        ASSERT_EQ(stock->rowCount(), 2);
        EXPECT_EQ(cell(stock, 0, 1), L"12000");
        EXPECT_EQ(fromQt(stock->horizontalHeaderItem(2)->text()), L"Count");
        EXPECT_EQ(csp.grid(2)->rowCount(), 1);
        EXPECT_FALSE(dlg.IsItemEnabled(Tvx_DlgCSP2::kAskNames));

        stock->item(1, 2)->setText(QStringLiteral("6"));  // edit, then look at the other set
        dlg.comboBox(Tvx_DlgCSP2::kSetCombo)->setCurrentIndex(1);
        emit dlg.comboBox(Tvx_DlgCSP2::kSetCombo)->activated(1);
        EXPECT_EQ(csp.currentSet(), 2);
        ASSERT_EQ(stock->rowCount(), 1);
        EXPECT_EQ(cell(stock, 0, 0), L"HEA200");
        EXPECT_EQ(csp.grid(2)->rowCount(), 0);
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[0].rowsOfSet(1),
              Rows({{L"IPE300", L"12000", L"8"}, {L"IPE300", L"6000", L"6"}}));
    EXPECT_EQ(data.tables[0].rowsOfSet(2), Rows({{L"HEA200", L"6000", L"12"}}));
}

TEST_F(CuttingStockDialog, AddRemoveSetsAndRowsThenCancelChangesNothing) {
    const DlgCSP2Data before = hallRecord();
    DlgCSP2Data data = before;
    ovui::UiRecorder ui;
    ui.answerPrompt(L"Bracing");
    uitest::drive([](OvDialog& dlg) {
        auto& csp = static_cast<Tvx_DlgCSP2&>(dlg);
        dlg.pressButton(Tvx_DlgCSP2::kRemoveSet);  // Beams
        EXPECT_EQ(csp.currentSet(), 2);
        dlg.pressButton(Tvx_DlgCSP2::kAddSet);
        EXPECT_EQ(csp.currentSet(), 3);
        EXPECT_EQ(fromQt(dlg.comboBox(Tvx_DlgCSP2::kSetCombo)->currentText()), L"Bracing");
        EXPECT_EQ(csp.grid(0)->rowCount(), 0);
        static_cast<QAbstractButton*>(dlg.item(Tvx_DlgCSP2::kAddRow[0]))->click();
        EXPECT_EQ(csp.grid(0)->rowCount(), 1);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgCSP2(data));
    EXPECT_EQ(data, before);
    ASSERT_EQ(ui.prompts().size(), 1u);
    EXPECT_EQ(ui.prompts()[0].title, L"New Set");
    EXPECT_EQ(ui.prompts()[0].prompt, L"Name of the new set");
}

TEST_F(CuttingStockDialog, AddedSetsAndRowsReturnOnOkAndTheNewestIdentifierIsReused) {
    DlgCSP2Data data = hallRecord();
    ovui::UiRecorder ui;
    ui.answerPrompt(L"Purlins");
    ui.answerPrompt(L"Rails");
    uitest::drive([](OvDialog& dlg) {
        auto& csp = static_cast<Tvx_DlgCSP2&>(dlg);
        dlg.pressButton(Tvx_DlgCSP2::kAddSet);  // 3
        dlg.pressButton(Tvx_DlgCSP2::kRemoveSet);
        dlg.pressButton(Tvx_DlgCSP2::kAddSet);  // 3 again
        EXPECT_EQ(csp.currentSet(), 3);
        static_cast<QAbstractButton*>(dlg.item(Tvx_DlgCSP2::kAddRow[1]))->click();
        csp.grid(1)->item(0, 0)->setText(QStringLiteral("Z200"));
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.setIds, Tvx_Array<int>({1, 2, 3}));
    EXPECT_EQ(data.setNames, Tvx_StringArray({L"Beams", L"Columns", L"Rails"}));
    EXPECT_EQ(data.tables[1].rowsOfSet(3), Rows({{L"Z200", L"", L""}}));
}

TEST_F(CuttingStockDialog, SetNamesThatNameAFolderBadlyOrTwiceAreRefused) {
    DlgCSP2Data data = hallRecord();
    MessageRecorder messages;
    ovui::UiRecorder ui;
    ui.answerPrompt(L"..\\prof");
    ui.answerPrompt(L"beams");
    uitest::drive([](OvDialog& dlg) {
        dlg.pressButton(Tvx_DlgCSP2::kAddSet);
        dlg.pressButton(Tvx_DlgCSP2::kAddSet);
        EXPECT_EQ(dlg.comboBox(Tvx_DlgCSP2::kSetCombo)->count(), 2);
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.setNames, Tvx_StringArray({L"Beams", L"Columns"}));
    ASSERT_EQ(messages.count(), 2);
    EXPECT_TRUE(messages.messages()[0].text.startsWith(L"\"..\\prof\": is not usable", true))
        << messages.messages()[0].text.toUtf8();
    EXPECT_EQ(messages.messages()[1].text,
              L"\"beams\": is the name of a set already; choose another name.");
}

TEST_F(CuttingStockDialog, SaveProposesTheNextStockNumberAndWritesTheLoweredName) {
    const Tvx_String folder = setFolder(L"Beams");
    ASSERT_TRUE(createFolder(folder));
    ASSERT_TRUE(writeTextFile(folder + L"Stock1.shp", L"ovss cutting stock set 1\n"));
    ASSERT_TRUE(writeTextFile(folder + L"Stock7.shp", L"ovss cutting stock set 1\n"));
    DlgCSP2Data data = hallRecord();
    ovui::UiRecorder ui;
    ui.answerFiles({folder + L"Stock8.SHP"});
    ui.cancelFiles();
    uitest::drive([](OvDialog& dlg) {
        auto& csp = static_cast<Tvx_DlgCSP2&>(dlg);
        csp.saveGrid(0, L"shp");
        csp.saveGrid(0, L"shp");   // cancelled: nothing written
        csp.saveGrid(0, L"shpx");  // not a 3-character extension: no dialog at all
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgCSP2(data));
    ASSERT_EQ(ui.fileRequests().size(), 2u);
    EXPECT_EQ(ui.fileRequests()[0].kind, ovui::FileDialogKind::Save);
    EXPECT_EQ(ui.fileRequests()[0].start, folder + L"Stock8.shp");
    EXPECT_EQ(ui.fileRequests()[0].filter, L"Stock files (*.shp)");
    Rows rows;
    Tvx_String error;
    ASSERT_TRUE(readSetFile(folder + L"stock8.shp", rows, error)) << error.toUtf8();
    EXPECT_EQ(rows, Rows({{L"IPE300", L"12000", L"8"}, {L"IPE300", L"6000", L"4"}}));
    EXPECT_EQ(listFiles(folder, L"*.*", false).length(), 3);
}

TEST_F(CuttingStockDialog, LoadOffersTheNewestFileAndABadFileIsRefusedNamingIt) {
    const Tvx_String folder = setFolder(L"Beams");
    ASSERT_TRUE(createFolder(folder));
    Tvx_String error;
    ASSERT_TRUE(writeSetFile(folder + L"stock2.buy", Rows{{L"IPE300", L"12000", L"310"}}, error));
    ASSERT_TRUE(writeTextFile(folder + L"broken.buy", L"IPE300;12000\n"));
    fs::last_write_time(toFileSystemPath(folder + L"stock2.buy"),
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    DlgCSP2Data data = hallRecord();
    MessageRecorder messages;
    ovui::UiRecorder ui;
    ui.answerFiles({folder + L"broken.buy"});
    ui.answerFiles({folder + L"stock2.buy"});
    uitest::drive([](OvDialog& dlg) {
        auto& csp = static_cast<Tvx_DlgCSP2&>(dlg);
        csp.loadGrid(1, L"buy");
        EXPECT_EQ(csp.grid(1)->rowCount(), 0);  // the bad file loaded nothing
        csp.loadGrid(1, L"buy");
        ASSERT_EQ(csp.grid(1)->rowCount(), 1);
        EXPECT_EQ(cell(csp.grid(1), 0, 2), L"310");
        csp.loadGrid(1, L"bu");  // does nothing
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgCSP2(data));
    ASSERT_EQ(ui.fileRequests().size(), 2u);
    EXPECT_EQ(ui.fileRequests()[0].kind, ovui::FileDialogKind::Open);
    EXPECT_EQ(ui.fileRequests()[0].start, folder + L"broken.buy");  // the newest
    EXPECT_EQ(ui.fileRequests()[0].filter, L"Purchase files (*.buy)");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.last().text.hasSubString(L"broken.buy\", line 1", true))
        << messages.last().text.toUtf8();
    Tvx_String text;
    ASSERT_TRUE(readTextFile(folder + L"broken.buy", text));
    EXPECT_EQ(text, L"IPE300;12000\n");
    EXPECT_EQ(data.tables[1].rowsOfSet(1), Rows({{L"IPE300", L"12000", L"310"}}));
}

TEST_F(CuttingStockDialog, InTheModeTheListingSavesEverySetsStockAskingOnlyWhenChecked) {
    DlgCSP2Data data = hallRecord();
    data.mode = true;
    ovui::UiRecorder ui;
    ui.cancelFiles();  // Beams, when asked
    ui.answerFiles({setFolder(L"Columns") + L"Columns stock.shp"});
    uitest::drive([](OvDialog& dlg) {
        for (int id : {Tvx_DlgCSP2::kAddSet, Tvx_DlgCSP2::kRemoveSet, Tvx_DlgCSP2::kGrids[0],
                       Tvx_DlgCSP2::kGrids[2], Tvx_DlgCSP2::kLoadPurchase, Tvx_DlgCSP2::kLoadStock,
                       Tvx_DlgCSP2::kSaveStock}) {
            EXPECT_TRUE(dlg.item(id)->isHidden()) << id;
        }
        EXPECT_FALSE(dlg.item(Tvx_DlgCSP2::kGrids[1])->isHidden());
        EXPECT_TRUE(dlg.IsItemEnabled(Tvx_DlgCSP2::kSavePurchase));
        EXPECT_TRUE(dlg.IsItemEnabled(Tvx_DlgCSP2::kAskNames));
        EXPECT_EQ(dlg.GetDlgItemText(Tvx_DlgCSP2::kList), L"Save stock and list files...");
        uitest::drive([](OvDialog& info) { info.pressButton(IDCANCEL); });
        dlg.pressButton(Tvx_DlgCSP2::kList);  // unchecked: default names, no dialog
        dlg.CheckDlgButton(Tvx_DlgCSP2::kAskNames, BST_CHECKED);
        uitest::drive([](OvDialog& info) { info.pressButton(IDCANCEL); });
        dlg.pressButton(Tvx_DlgCSP2::kList);  // checked: asks, Beams' dialog cancelled
        dlg.pressButton(IDCANCEL);
    });
    StartDlgCSP2(data);
    EXPECT_EQ(ui.fileRequests().size(), 2u);
    EXPECT_EQ(listFiles(setFolder(L"Beams"), L"*.shp", false), Tvx_StringArray({L"stock1.shp"}));
    EXPECT_EQ(listFiles(setFolder(L"Columns"), L"*.shp", false),
              Tvx_StringArray({L"columns stock.shp", L"stock1.shp"}));
}

TEST_F(CuttingStockDialog, ListingShowsTheNewestFilesOfEverySet) {
    DlgCSP2Data data = hallRecord();
    Tvx_String listing;
    uitest::drive([&listing](OvDialog& dlg) {
        uitest::drive([&listing](OvDialog& info) {
            EXPECT_EQ(fromQt(info.windowTitle()), L"Newest files of the cutting-stock sets");
            listing = fromQt(
                qobject_cast<QPlainTextEdit*>(info.item(CDlgInfoText::kText))->toPlainText());
            info.pressButton(IDCANCEL);
        });
        dlg.pressButton(Tvx_DlgCSP2::kList);
        dlg.pressButton(IDCANCEL);
    });
    StartDlgCSP2(data);
    const Tvx_String dashes(116, L'-');
    EXPECT_EQ(listing, dashes +
                           L"\nSet \"Beams\": no file yet (*.shp)\n\n"
                           L"Set \"Beams\": no file yet (*.buy)\n" +
                           dashes +
                           L"\nSet \"Columns\": no file yet (*.shp)\n\n"
                           L"Set \"Columns\": no file yet (*.buy)\n" +
                           dashes);
}

}  // namespace
