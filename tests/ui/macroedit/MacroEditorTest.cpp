// MacroEditorTest.cpp - the macro editor and its settings dialog offscreen, on a copy of the
// sample library: pages written to the drawing on OK only, the mapping tab storing a mapping
// that a calculation of the saved drawing then uses, Cancel writing nothing, and the single
// modeless editor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "MacroEditUiLibrary.h"
#include "core/MessageService.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "standards/calc/CalcCommands.h"
#include "ui/UiTestSupport.h"
#include "ui/macroedit/CDlgEditMacro.h"
#include "ui/macroedit/CDlgMacroSettings.h"
#include "ui/macroedit/CTabMacroMapping.h"
#include "ui/macroedit/MacroEditLaunchers.h"
#include "ui/macroedit/TextTablePage.h"

namespace {

using MacroEditor = MacroEditUiLibrary;

TEST_F(MacroEditor, PagesAreWrittenToTheDrawingOnOkOnlyAndBadValuesKeepItOpen) {
    MessageRecorder messages;
    uitest::drive([&](OvDialog& dlg) {
        auto& editor = dynamic_cast<CDlgEditMacro&>(dlg);
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Edit macro - FinPlate"));
        auto* modules = editor.comboBox(CDlgEditMacro::kModules);
        ASSERT_EQ(modules->count(), 2);
        EXPECT_EQ(modules->itemText(1), QStringLiteral("Bolts"));
        EXPECT_EQ(editor.tabs()->count(), 4);
        TextTablePage* values = editor.dimensionValuesTable();
        ASSERT_EQ(values->grid()->rowCount(), 3);
        type(values, rowOf(values, "Thickness"), 1, "15");
        editor.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgEditConstrModal(record));
    EXPECT_EQ(value(L"FinPlate", L"Thickness"), 12.0);

    uitest::drive([&](OvDialog& dlg) {
        auto& editor = dynamic_cast<CDlgEditMacro&>(dlg);
        editor.showPage(CDlgEditMacro::kVariables);
        TextTablePage* values = editor.dimensionValuesTable();
        type(values, rowOf(values, "Thickness"), 1, "15");
        // Another module's edits are kept while it is left.
        editor.selectModule(L"Bolts");
        type(values, rowOf(values, "Pitch"), 1, "not a number");
        editor.pressButton(IDOK);
        EXPECT_EQ(messages.count(), 1);
        EXPECT_NE(messages.last().text.find(L"Pitch"), -1) << messages.last().text.toUtf8();
        EXPECT_EQ(value(L"FinPlate", L"Thickness"), 12.0);  // nothing written yet
        type(values, rowOf(values, "Pitch"), 1, "65");
        editor.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgEditConstrModal(record));
    EXPECT_EQ(value(L"FinPlate", L"Thickness"), 15.0);
    EXPECT_EQ(value(L"Bolts", L"Pitch"), 65.0);
    EXPECT_EQ(record.moduleName, L"FinPlate");  // the caller's record is not copied back
}

TEST_F(MacroEditor, TheMappingTabStoresAMappingThatTheCalculationUses) {
    uitest::drive([](OvDialog& dlg) {
        auto& editor = dynamic_cast<CDlgEditMacro&>(dlg);
        editor.pressButton(CDlgEditMacro::kSettings);
        editor.pressButton(IDOK);
    });
    uitest::drive([&](OvDialog& dlg) {
        auto& settings = dynamic_cast<CDlgMacroSettings&>(dlg);
        settings.showPage(CDlgMacroSettings::kMapping);
        CTabMacroMapping* tab = settings.mappingTab();
        settings.pressButton(CTabMacroMapping::kInsert);
        settings.pressButton(CTabMacroMapping::kInsert);
        ASSERT_EQ(tab->listGrid().getMaxRows(), 2);
        tab->listGrid().SSSetData(CTabMacroMapping::kSheetCol, 1, L"BasePlate");
        tab->listGrid().SSSetData(CTabMacroMapping::kMapsToCol, 1, L"Bolts");
        tab->onListCellChanged();
        tab->selectRow(2);
        tab->listGrid().SSSetData(CTabMacroMapping::kSheetCol, 2, L"FinPlate");
        tab->listGrid().SSSetData(CTabMacroMapping::kMapsToCol, 2, L"<Entire macro>");
        tab->onListCellChanged();
        Tvx_Spread& detail = tab->detailGrid();
        ASSERT_EQ(detail.getMaxRows(), 12);
        Tvx_String text;
        detail.getCellText(CTabMacroMapping::kTypeCol, 1, text, Tvx_Spread::kReadData);
        EXPECT_EQ(text, L"Input");
        detail.getCellText(CTabMacroMapping::kTypeCol, 2, text, Tvx_Spread::kReadData);
        EXPECT_EQ(text, L"Tekst");
        EXPECT_TRUE(detail.SSGetLock(CTabMacroMapping::kObjectCol, 1));
        const std::pair<const wchar_t*, const wchar_t*> choices[] = {
            {L"BeamSection", L".Prof0.PrPlName"},
            {L"BoltDiameter", L"Bolts..BoltsDiameter"},
            {L"Shear", L".gen_Shear.GenVar"},
            {L"Thickness", L"Plate.Thickness.Distance"},
            {L"Height", L"Plate.Width.Distance"},  // crossed on purpose
            {L"Width", L"Plate.Height.Distance"},
            {L"Pitch", L"Bolts.Pitch.Distance"},
            {L"EdgeDistance", L"Bolts.EdgeDistance.Distance"},
            {L"HoleOffset", L"Bolts..BoltsHoleOffset"},
            {L"NrRows", L"Bolts.P1.PatternNrBolts1"},
        };
        for (const auto& [variable, object] : choices) {
            int found = -1;
            for (int r = 1; r <= detail.getMaxRows(); ++r) {
                detail.getCellText(CTabMacroMapping::kNameCol, r, text, Tvx_Spread::kReadData);
                if (text == variable) {
                    found = r;
                }
            }
            EXPECT_TRUE(tab->setDetailChoice(found, object)) << Tvx_String(variable).toUtf8();
        }
        settings.resize(720, 600);
        QCoreApplication::processEvents();
        const fs::path shot = uitest::screenshotFolder() / "CDlgMacroSettings-mapping-chosen.png";
        fs::create_directories(shot.parent_path());
        EXPECT_TRUE(settings.grab().save(QString::fromStdString(shot.string())));
        settings.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgEditConstrModal(record));
    const Tvx_MacroSettings& stored = finPlate->macro()->settings();
    ASSERT_EQ(stored.mapSpreadsheets, (Tvx_StringArray{L"BasePlate", L"FinPlate"}));
    EXPECT_EQ(stored.mapTargets[0], L"Module.Bolts");
    const Tvx_String key = stored.mapTargets[1];
    EXPECT_EQ(key.length(), 24);
    EXPECT_NE(readAll(mapFile()).find("\n" + key.toUtf8() + "="), std::string::npos);

    const fs::path file = root_ / "mapped.json";
    Tvx_String error;
    ASSERT_TRUE(drawing.saveToFile(Tvx_String::fromUtf8(file.string()), error));
    ovcalc::MacroCalcOptions options;
    options.drawing = file.string();
    options.macro = "FinPlate";
    options.standard = "FinPlate";
    options.libDir = root_.string();
    options.write = true;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(ovcalc::runMacroCalc(options, out, err), ovcalc::kCalcOk) << err.str();
    Tvx_Drawing saved;
    ASSERT_TRUE(saved.loadFromFile(Tvx_String::fromUtf8(file.string()), error));
    const Tvx_Module* plate = saved.macros().back()->macro()->findModule(L"FinPlate");
    // The sheet's Height went to the plate's width, as mapped.
    EXPECT_NE(
        out.str().find(
            "Height=" + Tvx_String(plate->findVariable(L"Width")->value, 8, false).toUtf8() + "\n"),
        std::string::npos)
        << out.str();
}

TEST_F(MacroEditor, CancelledSettingsWriteNothing) {
    const std::string before = readAll(mapFile());
    Tvx_MacroSettings original = finPlate->macro()->settings();
    original.mapSpreadsheets = {L"FinPlate"};
    original.mapTargets = {L"FinPlate"};
    finPlate->macroWrite()->settings() = original;
    uitest::drive([](OvDialog& dlg) {
        dlg.pressButton(CDlgEditMacro::kSettings);
        dlg.pressButton(IDCANCEL);
    });
    uitest::drive([](OvDialog& dlg) {
        auto& settings = dynamic_cast<CDlgMacroSettings&>(dlg);
        TextTablePage* filters = settings.tablePage(CDlgMacroSettings::kFilter);
        filters->addRow();
        type(filters, 0, 0, "Axis angle");
        CTabMacroMapping* tab = settings.mappingTab();
        ASSERT_GT(tab->detailGrid().getMaxRows(), 2);
        EXPECT_TRUE(tab->setDetailChoice(5 + 1, L"Plate.Height.Distance"));  // Thickness
        settings.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgEditConstrModal(record));
    EXPECT_TRUE(finPlate->macro()->settings() == original);
    EXPECT_EQ(readAll(mapFile()), before);
}

TEST_F(MacroEditor, ThereIsOneModelessEditorAndTheUnloadClosesIt) {
    EXPECT_TRUE(StartDlgEditConstraints(record));
    CDlgEditMacro* first = modelessMacroEditor();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    uitest::saveScreenshot(*first);
    EditConstrData other = record;
    EXPECT_TRUE(StartDlgEditConstraints(other));
    EXPECT_EQ(modelessMacroEditor(), first);
    closeModelessMacroEditor();  // what the unload reaches through EndDlgEditConstraints
    pump();
    EXPECT_EQ(modelessMacroEditor(), nullptr);

    // Its own OK writes and closes the window.
    EXPECT_TRUE(StartDlgEditConstraints(record));
    CDlgEditMacro* editor = modelessMacroEditor();
    ASSERT_NE(editor, nullptr);
    editor->showPage(CDlgEditMacro::kVariables);
    type(editor->dimensionValuesTable(), 0, 1, "11");
    editor->pressButton(IDOK);
    pump();
    EXPECT_EQ(modelessMacroEditor(), nullptr);
    EXPECT_EQ(value(L"FinPlate", L"Thickness"), 11.0);
}

}  // namespace
