// MacroSettingsDialogTest.cpp - the macro settings dialog offscreen: the "Macro object" combo of
// the mapping detail grouped by visibility under headers that cannot be chosen, and the sizes
// the settings dialog and the editor remember.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QStandardItemModel>

#include "MacroEditUiLibrary.h"
#include "core/DlgSizeStore.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/macroedit/CDlgEditMacro.h"
#include "ui/macroedit/CDlgMacroSettings.h"
#include "ui/macroedit/CTabMacroMapping.h"
#include "ui/macroedit/MacroEditLaunchers.h"

namespace {

class MacroSettings : public MacroEditUiLibrary {
  protected:
    void SetUp() override {
        MacroEditUiLibrary::SetUp();
        Tvx_MacroSettings& stored = finPlate->macroWrite()->settings();
        stored.mapSpreadsheets = {L"FinPlate"};
        stored.mapTargets = {L"FinPlate"};
    }
    // The detail grid row (1-based) of a sheet variable; 0 when absent.
    static int detailRowOf(CTabMacroMapping& tab, const wchar_t* name) {
        Tvx_String text;
        for (int r = 1; r <= tab.detailGrid().getMaxRows(); ++r) {
            tab.detailGrid().getCellText(CTabMacroMapping::kNameCol, r, text,
                                         Tvx_Spread::kReadData);
            if (text == name) {
                return r;
            }
        }
        ADD_FAILURE() << "no detail row " << Tvx_String(name).toUtf8();
        return 0;
    }
    static Tvx_String objectOf(CTabMacroMapping& tab, int row) {
        Tvx_String text;
        tab.detailGrid().getCellText(CTabMacroMapping::kObjectCol, row, text,
                                     Tvx_Spread::kReadData);
        return text;
    }
    // The dialog as it shows, with the open combo's list painted where it hangs.
    static void saveWithPopup(QWidget& dialog, QComboBox& combo, const char* name) {
        QPixmap shot = dialog.grab();
        QWidget* popup = combo.view()->window();
        if (popup != nullptr && popup->isVisible()) {
            QPainter painter(&shot);
            painter.drawPixmap(dialog.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))),
                               popup->grab());
        }
        const fs::path file = uitest::screenshotFolder() / name;
        fs::create_directories(file.parent_path());
        EXPECT_TRUE(shot.save(QString::fromStdString(file.string())));
    }
};

TEST_F(MacroSettings, TheObjectComboGroupsByVisibilityUnderHeadersThatCannotBeChosen) {
    Tvx_Module* plate = finPlate->macroWrite()->findModule(L"FinPlate");
    plate->findVariable(L"Height")->settable = false;  // visible, not settable
    plate->findVariable(L"Width")->visible = false;    // hidden, settable
    uitest::drive([](OvDialog& dlg) {
        dlg.pressButton(CDlgEditMacro::kSettings);
        dlg.pressButton(IDCANCEL);
    });
    uitest::drive([&](OvDialog& dlg) {
        auto& settings = dynamic_cast<CDlgMacroSettings&>(dlg);
        settings.resize(760, 720);
        settings.showPage(CDlgMacroSettings::kMapping);
        QCoreApplication::processEvents();
        CTabMacroMapping* tab = settings.mappingTab();
        ovui::grid::OvSpreadView* view = tab->detailView();
        ASSERT_NE(view, nullptr);
        const int thickness = detailRowOf(*tab, L"Thickness");
        ASSERT_GT(thickness, 0);
        EXPECT_EQ(objectOf(*tab, thickness), L"Plate.Thickness.Distance");

        const QModelIndex cell =
            view->model()->index(thickness - 1, CTabMacroMapping::kObjectCol - 1);
        view->setCurrentIndex(cell);
        static_cast<QAbstractItemView*>(view)->edit(cell);  // the view hides this overload
        auto* combo = qobject_cast<QComboBox*>(view->indexWidget(cell));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->itemText(0), QString());
        EXPECT_EQ(combo->itemText(1), QStringLiteral("------ Zichtbaar en instelbaar ------"));
        const int fixed =
            combo->findText(QStringLiteral("------ Zichtbaar niet instelbaar ------"));
        const int hidden =
            combo->findText(QStringLiteral("------ Onzichtbaar en instelbaar ------"));
        ASSERT_GT(fixed, 1);
        EXPECT_EQ(combo->itemText(fixed + 1), QStringLiteral("Plate.Height.Distance"));
        EXPECT_EQ(hidden, fixed + 2);
        EXPECT_EQ(combo->itemText(hidden + 1), QStringLiteral("Plate.Width.Distance"));
        auto* items = qobject_cast<QStandardItemModel*>(combo->model());
        ASSERT_NE(items, nullptr);
        for (const int header : {1, fixed, hidden}) {
            EXPECT_FALSE(items->item(header)->isEnabled()) << header;
            EXPECT_FALSE(items->item(header)->isSelectable()) << header;
        }
        EXPECT_TRUE(items->item(fixed + 1)->isEnabled());
        EXPECT_EQ(combo->currentText(), QStringLiteral("Plate.Thickness.Distance"));

        combo->showPopup();
        QCoreApplication::processEvents();
        saveWithPopup(settings, *combo, "CDlgMacroSettings-mapping.png");
        combo->hidePopup();

        // Chosen through the combo, an object becomes the variable's binding.
        combo->setCurrentIndex(fixed + 1);
        emit view->itemDelegate()->commitData(combo);
        emit view->itemDelegate()->closeEditor(combo);
        QCoreApplication::processEvents();
        EXPECT_EQ(objectOf(*tab, thickness), L"Plate.Height.Distance");
        // A header typed into the cell is no choice: the cell goes back to the binding.
        EXPECT_FALSE(tab->setDetailChoice(thickness, L"------ Zichtbaar niet instelbaar ------"));
        EXPECT_EQ(objectOf(*tab, thickness), L"Plate.Height.Distance");
        settings.pressButton(IDOK);
    });
    EXPECT_FALSE(StartDlgEditConstrModal(record));
    // The settings were not taken by the editor (Cancel), but the new mapping is in the file.
    const std::string map = readAll(mapFile());
    EXPECT_NE(map.find("Thickness\xC6\x92Plate\xE2\x80\xA2"
                       "Distance Height"),
              std::string::npos)
        << map;
}

TEST_F(MacroSettings, TheSettingsDialogAndTheEditorRememberTheirSizes) {
    ASSERT_TRUE(writeDlgSize(L"DLG_MACRO_SETTINGS", DlgSize{700, 560}));
    ASSERT_TRUE(writeDlgSize(L"DLG_EDIT_MACRO", DlgSize{820, 500}));
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(dlg.size(), QSize(820, 500));
        dlg.pressButton(CDlgEditMacro::kSettings);
        dlg.resize(880, 540);
        dlg.pressButton(IDCANCEL);
    });
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(dlg.size(), QSize(700, 560));
        dlg.resize(780, 600);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgEditConstrModal(record));
    DlgSize stored;
    ASSERT_TRUE(readDlgSize(L"DLG_MACRO_SETTINGS", stored));
    EXPECT_EQ(stored.width, 780);
    EXPECT_EQ(stored.height, 600);
    ASSERT_TRUE(readDlgSize(L"DLG_EDIT_MACRO", stored));
    EXPECT_EQ(stored.width, 880);
    EXPECT_EQ(stored.height, 540);

    // A damaged entry never puts a dialog out of reach (kept small the other way, so that the
    // screenshots stay of a sensible size).
    ASSERT_TRUE(writeDlgSize(L"DLG_MACRO_SETTINGS", DlgSize{90000, 40}));
    ASSERT_TRUE(writeDlgSize(L"DLG_EDIT_MACRO", DlgSize{50000, 300}));
    uitest::drive([](OvDialog& dlg) {
        EXPECT_LE(dlg.width(), 10000);
        dlg.pressButton(CDlgEditMacro::kSettings);
        dlg.pressButton(IDCANCEL);
    });
    uitest::drive([](OvDialog& dlg) {
        EXPECT_LE(dlg.width(), 10000);
        EXPECT_GE(dlg.height(), 100);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgEditConstrModal(record));

    // Opened once more at their first sizes, for the screenshots.
    uitest::resetDialogState();
    uitest::drive([](OvDialog& dlg) {
        dlg.pressButton(CDlgEditMacro::kSettings);
        dlg.pressButton(IDCANCEL);
    });
    uitest::drive([](OvDialog& dlg) { dlg.pressButton(IDCANCEL); });
    EXPECT_FALSE(StartDlgEditConstrModal(record));
}

}  // namespace
