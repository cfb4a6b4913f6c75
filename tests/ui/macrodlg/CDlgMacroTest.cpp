// CDlgMacroTest.cpp - the macro parameter dialog on the sample drawing: designed pages with their
// grid, edits that reach the drawing at once or are refused, the profile page, load from
// standards, the modeless registry with its deferred close, and the remembered sizes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "MacroDlgFixture.h"
#include "core/DlgSizeStore.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/designer/DesignedPage.h"
#include "ui/macrodlg/CDlgMacro.h"
#include "ui/macrodlg/CMacroTabGeneral.h"
#include "ui/macrodlg/CMacroTabProf.h"
#include "ui/macrodlg/MacroDlgLaunchers.h"
#include "ui/macrodlg/detail/CDlgMacroPattern.h"
#include "ui/seclib/DlgSelectProf.h"

namespace {

using CDlgMacroTest = MacroDlgFixture;

CMacroTabGeneral* generalPage(CDlgMacro& dialog, const wchar_t* moduleName) {
    return qobject_cast<CMacroTabGeneral*>(dialog.page(dialog.data().findTab(moduleName)));
}

QLineEdit* editOfCell(CMacroTabGeneral& page, const wchar_t* cell) {
    const MacroCellData* found = page.tab()->findCellWithName(cell);
    return found != nullptr && found->ctrl > 0
               ? qobject_cast<QLineEdit*>(page.designedPage()->controlWidget(found->ctrl))
               : nullptr;
}

void typeInto(QLineEdit* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
    Q_EMIT edit->editingFinished();
}

TEST_F(CDlgMacroTest, DesignedPageWithGridWritesEditsToTheDrawing) {
    MacroData record = recordOf(L"EndPlateBeamToColumn");
    bool ran = false;
    ovui::DialogDriver::push([&](OvDialog& base) {
        auto& dialog = static_cast<CDlgMacro&>(base);
        ran = true;
        EXPECT_EQ(dialog.tabs()->count(), 3);  // Plate, Bolts, Members
        CMacroTabGeneral* plate = generalPage(dialog, L"Plate");
        ASSERT_NE(plate, nullptr);
        ASSERT_NE(plate->designedPage(), nullptr);
        EXPECT_TRUE(plate->gridShown());
        const int row = plate->gridRowOfCell(L"BottomExtension");
        EXPECT_EQ(row, 1);
        std::wstring shown;
        plate->grid().SSGetData(CMacroTabGeneral::kValueCol, row, shown);
        EXPECT_EQ(shown, L"20");
        EXPECT_EQ(editOfCell(*plate, L"Thickness")->text(), QStringLiteral("15"));
        screenshot(dialog, "CDlgMacro-general.png");

        typeInto(editOfCell(*plate, L"Thickness"), QStringLiteral("22"));
        EXPECT_EQ(variable(L"EndPlateBeamToColumn", L"EndPlate", L"Thickness"), 22.0);
        // The grid's rows edit the drawing just the same.
        plate->grid().SSSetData(CMacroTabGeneral::kValueCol, row, L"25");
        plate->applyPage();
        EXPECT_EQ(variable(L"EndPlateBeamToColumn", L"EndPlate", L"BottomExtension"), 25.0);

        // Text in a number: said why, drawing and field unchanged.
        typeInto(editOfCell(*plate, L"Height"), QStringLiteral("tall"));
        ASSERT_EQ(messages.count(), 1);
        EXPECT_NE(messages.last().text.find(L"Height: \"tall\""), -1);
        EXPECT_EQ(variable(L"EndPlateBeamToColumn", L"EndPlate", L"Height"), 340.0);
        EXPECT_EQ(editOfCell(*plate, L"Height")->text(), QStringLiteral("340"));

        // The bolt page: pattern on the image, no grid, the assembly and diameter below.
        CMacroTabGeneral* bolts = generalPage(dialog, L"Bolts");
        ASSERT_NE(bolts, nullptr);
        EXPECT_FALSE(bolts->gridShown());
        EXPECT_EQ(bolts->diameterCombo()->currentText(), QStringLiteral("20"));
        dialog.selectPage(dialog.data().findTab(L"Bolts"));
        screenshot(dialog, "CDlgMacro-bolts.png");
        dialog.pressButton(IDOK);
    });
    StartDlgMacro(record);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(record.closed);  // copied back whatever the result
    EXPECT_EQ(record.tabs[record.findTab(L"Plate")].findCellWithName(L"Thickness")->value, L"22");
}

TEST_F(CDlgMacroTest, ThePatternButtonOnTheImageEditsThePatternInTheDrawing) {
    MacroData record = recordOf(L"EndPlateBeamToColumn");
    bool ran = false;
    ovui::DialogDriver::push([&](OvDialog& base) {
        auto& dialog = static_cast<CDlgMacro&>(base);
        CMacroTabGeneral* bolts = generalPage(dialog, L"Bolts");
        ASSERT_NE(bolts, nullptr);
        ASSERT_NE(bolts->designedPage(), nullptr);
        const MacroPatternProps* pattern =
            dialog.data().tabs[dialog.data().findTab(L"Bolts")].findPatternWithName(L"P1");
        ASSERT_NE(pattern, nullptr);
        auto* button =
            qobject_cast<QPushButton*>(bolts->designedPage()->controlWidget(pattern->btnCtrl));
        ASSERT_NE(button, nullptr);
        // Cancel first: nothing changes; then OK with three bolts in the first direction.
        ovui::DialogDriver::push([](OvDialog& detail) { detail.pressButton(IDCANCEL); });
        button->click();
        EXPECT_EQ(boltPattern(L"P1")->nrBolts1, 2);
        ovui::DialogDriver::push([&ran](OvDialog& detail) {
            ran = true;
            detail.SetDlgItemText(CDlgMacroPattern::kCount1, L"3");
            detail.pressButton(IDOK);
        });
        button->click();
        EXPECT_EQ(boltPattern(L"P1")->nrBolts1, 3);
        dialog.pressButton(IDOK);
    });
    StartDlgMacro(record);
    EXPECT_TRUE(ran);
}

TEST_F(CDlgMacroTest, LoadFromStandardsAfterADeeperBeam) {
    MacroData record = recordOf(L"EndPlateBeamToColumn");
    const int rowsBefore = macroNamed(L"EndPlateBeamToColumn")
                               ->macro()
                               ->findModule(L"Bolts")
                               ->type();  // a bolt module
    ASSERT_EQ(rowsBefore, kBoltModuleType);
    ovui::DialogDriver::push([&](OvDialog& base) {
        auto& dialog = static_cast<CDlgMacro&>(base);
        const int members = dialog.data().findTab(kBaseProfilesTab);
        auto* profile = qobject_cast<CMacroTabProf*>(dialog.page(members));
        ASSERT_NE(profile, nullptr);
        dialog.selectPage(members);
        EXPECT_EQ(profile->combo(CMacroTabProf::kGroup)->currentText(), QStringLiteral("Beam"));
        EXPECT_EQ(profile->combo(CMacroTabProf::kSection)->currentText(), QStringLiteral("IPE300"));
        screenshot(dialog, "CDlgMacro-profile.png");

        QComboBox* section = profile->combo(CMacroTabProf::kSection);
        section->setCurrentText(QStringLiteral("IPE400"));
        Q_EMIT section->lineEdit()->editingFinished();
        EXPECT_EQ(drawing.profiles()[0].sectionName, L"IPE400");

        dialog.pressButton(CDlgMacro::kLoadStandards);
        const double top = variable(L"EndPlateBeamToColumn", L"EndPlate", L"TopExtension");
        const double bottom = variable(L"EndPlateBeamToColumn", L"EndPlate", L"BottomExtension");
        const double height = variable(L"EndPlateBeamToColumn", L"EndPlate", L"Height");
        EXPECT_EQ(height, 400.0 + top + bottom);
        // The rebuilt page shows the new height.
        CMacroTabGeneral* plate = generalPage(dialog, L"Plate");
        ASSERT_NE(plate, nullptr);
        EXPECT_EQ(editOfCell(*plate, L"Height")->text().toDouble(), height);
        dialog.pressButton(IDOK);
    });
    StartDlgMacro(record);

    // Saved and read back: the values are in the file.
    // Into a folder of the test's own: the library folder is the source tree's here.
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "ovss-macro-endplate-after.json";
    const Tvx_String saved = Tvx_String::fromUtf8(file.string());
    Tvx_String error;
    ASSERT_TRUE(drawing.saveToFile(saved, error)) << error;
    const double height = variable(L"EndPlateBeamToColumn", L"EndPlate", L"Height");
    Tvx_Drawing reread;
    ASSERT_TRUE(reread.loadFromFile(saved, error)) << error;
    EXPECT_EQ(reread.profiles()[0].sectionName, L"IPE400");
    const Tvx_Module* plate = reread.macros()[0]->macro()->findModule(L"EndPlate");
    EXPECT_EQ(plate->findVariable(L"Height")->value, height);
    std::filesystem::remove(file);
}

TEST_F(CDlgMacroTest, TheSectionCanBeChosenFromTheLibraryOnTheProfilePage) {
    MacroData record = recordOf(L"EndPlateBeamToColumn");
    Tvx_String chosen;
    ovui::DialogDriver::push([&](OvDialog& base) {
        auto& dialog = static_cast<CDlgMacro&>(base);
        const int members = dialog.data().findTab(kBaseProfilesTab);
        auto* profile = qobject_cast<CMacroTabProf*>(dialog.page(members));
        ASSERT_NE(profile, nullptr);
        dialog.selectPage(members);
        // Cancel in the selection dialog keeps the section.
        ovui::DialogDriver::push([](OvDialog& select) { select.pressButton(IDCANCEL); });
        profile->chooseSectionButton()->click();
        EXPECT_EQ(drawing.profiles()[0].sectionName, L"IPE300");
        ovui::DialogDriver::push([&chosen](OvDialog& base) {
            auto& select = static_cast<DlgSelectProf&>(base);
            select.SetDlgItemText(DlgSelectProf::kFilter, L"400");
            ASSERT_GE(select.sections()->count(), 1);
            select.sections()->setCurrentRow(0);
            select.pressButton(IDOK);
            chosen = select.chosenName();
        });
        profile->chooseSectionButton()->click();
        EXPECT_NE(chosen.find(L"400"), -1) << chosen.toUtf8();
        EXPECT_EQ(profile->combo(CMacroTabProf::kSection)->currentText(), ovui::toQt(chosen));
        EXPECT_EQ(drawing.profiles()[0].sectionName, chosen);
        dialog.pressButton(IDOK);
    });
    StartDlgMacro(record);
    EXPECT_FALSE(chosen.isEmpty());
}

TEST_F(CDlgMacroTest, ModelessSlotsAreReusedAndTheRegistryShrinks) {
    MacroData endPlate = recordOf(L"EndPlateBeamToColumn");
    MacroData finPlate = recordOf(L"FinPlate");
    int first = -1, second = -1, third = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, endPlate, first));
    ASSERT_TRUE(StartDlgMacroModeless(true, finPlate, second));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);

    MacroData copy;
    EXPECT_TRUE(GetDlgMacroData(second, copy));
    EXPECT_EQ(copy.macroNames, Tvx_StringArray{L"FinPlate"});
    EXPECT_FALSE(GetDlgMacroData(5, copy));
    EXPECT_FALSE(EndDlgMacroModeless(5));

    EXPECT_TRUE(EndDlgMacroModeless(first));
    EXPECT_FALSE(EndDlgMacroModeless(first));
    ASSERT_TRUE(StartDlgMacroModeless(true, endPlate, third));
    EXPECT_EQ(third, 0);

    EXPECT_TRUE(EndDlgMacroModeless(third));
    EXPECT_EQ(macroDlgSlotCount(), 2);
    EXPECT_TRUE(EndDlgMacroModeless(second));  // the last: the empty slot below goes too
    EXPECT_EQ(macroDlgSlotCount(), 0);
    processFor(10);
}

TEST_F(CDlgMacroTest, ABusyDialogClosesOnTheDeferredTimer) {
    MacroData record = recordOf(L"FinPlate");
    int slot = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, record, slot));
    macroDlgInSlot(slot)->data().deferredClose = true;
    EXPECT_TRUE(EndDlgMacroModeless(slot));
    EXPECT_NE(macroDlgInSlot(slot), nullptr);
    EXPECT_EQ(pendingMacroDlgCloses(), 1);

    // The timer fires while the dialog is still busy: the close is put off again.
    EXPECT_TRUE(processUntil(
        [this] { return host.output().find(L"Delayed timer called.\n") != std::wstring::npos; },
        3000));
    EXPECT_NE(macroDlgInSlot(slot), nullptr);
    EXPECT_EQ(pendingMacroDlgCloses(), 1);

    macroDlgInSlot(slot)->data().deferredClose = false;
    EXPECT_TRUE(processUntil([slot] { return macroDlgInSlot(slot) == nullptr; }, 3000));
    EXPECT_EQ(macroDlgInSlot(slot), nullptr);
    EXPECT_EQ(pendingMacroDlgCloses(), 0);
    EXPECT_EQ(macroDlgSlotCount(), 0);
}

TEST_F(CDlgMacroTest, SizesAreRememberedPerMacroAndDestroyAllClosesEverything) {
    MacroData record = recordOf(L"FinPlate");
    int slot = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, record, slot));
    CDlgMacro* dialog = macroDlgInSlot(slot);
    EXPECT_EQ(dialog->sizeKey(), L"DLG_MACRO_EDITVARS_FinPlate");
    dialog->resize(700, 640);
    MacroData two = record;
    two.selectedIds.append(macroNamed(L"BasePlate")->id());
    int other = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, two, other));
    EXPECT_EQ(macroDlgInSlot(other)->sizeKey(), L"DLG_MACRO_EDITVARS_2_MACROS");

    destroyModelessMacroDlgs();
    EXPECT_EQ(macroDlgSlotCount(), 0);
    DlgSize size;
    ASSERT_TRUE(readDlgSize(L"DLG_MACRO_EDITVARS_FinPlate", size));
    EXPECT_EQ(size.width, 700);
    EXPECT_EQ(size.height, 640);
    EXPECT_TRUE(readDlgSize(L"DLG_MACRO_EDITVARS_2_MACROS", size));
    processFor(10);
}

}  // namespace
