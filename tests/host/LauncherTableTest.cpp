// LauncherTableTest.cpp - the module's table of launchers as the host sees it: every launcher the
// core library calls is exported by libovss.so under its C++ name, and the dialog launchers,
// called through the loaded module with the user's OK or Cancel scripted, copy the record back on
// OK only.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "dialogs/OvDlgCis2Data.h"
#include "dialogs/OvGridDlgData.h"
#include "dialogs/cuttingstock/DlgCSP2Data.h"
#include "dialogs/small/DlgProfCutsData.h"
#include "dialogs/small/DlgProfFeaturesData.h"
#include "dialogs/small/OvBracingDlgData.h"
#include "dialogs/small/OvCladdingDlgData.h"
#include "dialogs/small/OvLevelsDlgData.h"
#include "dialogs/small/OvLookUpDlgData.h"

namespace {

namespace fs = std::filesystem;

// The launcher table: each launcher the core library calls, under the name the host looks up.
struct Launcher {
    const char* name;
    const char* symbol;
};

constexpr Launcher kLauncherTable[] = {
    {"StartDlgStandardsSS", "_Z19StartDlgStandardsSSR18OvDlgStandardsData"},
    {"StartDlgStandardsSStest", "_Z23StartDlgStandardsSStestv"},
    {"EvaluateSS", "_Z10EvaluateSSv"},
    {"StartDlgMacro", "_Z13StartDlgMacroR9MacroData"},
    {"StartDlgMacroModeless", "_Z21StartDlgMacroModelessbR9MacroDataRi"},
    {"GetDlgMacroData", "_Z15GetDlgMacroDataiR9MacroData"},
    {"EndDlgMacroModeless", "_Z19EndDlgMacroModelessi"},
    {"DestroyAllMacroDlgs", "_Z19DestroyAllMacroDlgsv"},
    {"StartDlgEditConstrModal", "_Z23StartDlgEditConstrModalR14EditConstrData"},
    {"StartDlgEditConstraints", "_Z23StartDlgEditConstraintsR14EditConstrData"},
    {"EndDlgEditConstraints", "_Z21EndDlgEditConstraintsv"},
    {"startGridDialog", "_Z15startGridDialogRK15Tvx_StringArrayS1_R9Tvx_ArrayIS_Eb10Tvx_StringS5_"},
    {"ReadSSFile", "_Z10ReadSSFileRK10Tvx_StringRS_R15Tvx_StringArrayR9Tvx_ArrayIS3_E"},
    {"StartDlgEditLibSections", "_Z23StartDlgEditLibSectionsR14DlgEditLibDataRK10Tvx_String"},
    {"StartDlgEditLibSimple", "_Z21StartDlgEditLibSimpleRK10Tvx_StringR19Tvx_ProfValuesTableRi"},
    {"StartDlgSelectMacro", "_Z19StartDlgSelectMacroRK10Tvx_StringRK15Tvx_StringArrayRKiS6_RS_Rbb"},
    {"StartDlgSelectMacro (enabled flags)",
     "_Z19StartDlgSelectMacroRK10Tvx_StringRK15Tvx_StringArrayRK7AcArrayIbERKiSA_RS_Rbb"},
    {"StartDlgMacroCuts", "_Z17StartDlgMacroCutsR16DlgMacroCutsDataRb"},
    {"StartDlgDesigner", "_Z16StartDlgDesignerRK10Tvx_String"},
    {"GetImageDlgCtrlNames", "_Z20GetImageDlgCtrlNamesRK10Tvx_StringR15Tvx_StringArray"},
    {"StartDlgCSP2", "_Z12StartDlgCSP2R11DlgCSP2Data"},
    {"StartDSTVPointsDlg", "_Z18StartDSTVPointsDlgv"},
    {"StartDlgMacroProfAdv", "_Z20StartDlgMacroProfAdvR9MacroDataRK10Tvx_StringS3_b"},
    {"StartDlgMacroProfAdv (objects)",
     "_Z20StartDlgMacroProfAdvP7AcArrayI12AcDbObjectIdERbPFb16OvMACallBackTypeRK16OvMACallBack"
     "DataR13MacroProfDataE"},
    {"StartEditProfCutsDlg", "_Z20StartEditProfCutsDlgR15DlgProfCutsData"},
    {"StartArrayDlg", "_Z13StartArrayDlgR12DynArrayDataRK7AcArrayI12AcDbObjectIdERK10Tvx_String"},
    {"StartDlgProfFeatures", "_Z20StartDlgProfFeaturesR19DlgProfFeaturesData"},
    {"StartDlgGrid", "_Z12StartDlgGridR13OvGridDlgData"},
    {"StartDlgLevels", "_Z14StartDlgLevelsR15OvLevelsDlgData"},
    {"StartDlgLookUp", "_Z14StartDlgLookUpR15OvLookUpDlgData"},
    {"StartDlgSelectImage", "_Z19StartDlgSelectImageR20OvSelectImageDlgData"},
    {"StartDlgCladdingSettings", "_Z24StartDlgCladdingSettingsR17OvCladdingDlgData"},
    {"StartDlgCis2Info", "_Z16StartDlgCis2InfoR13OvDlgCis2Data"},
    {"StartDlgBracing", "_Z15StartDlgBracingR16OvBracingDlgData"},
    {"StartDlgGenVars", "_Z15StartDlgGenVarsR19OvAutoStandardsData"},
    {"StartModelessDlgSheetsMgr", "_Z25StartModelessDlgSheetsMgrRK18OvSheetsMgrDlgData"},
    {"EndModelessDlgSheetsMgr", "_Z23EndModelessDlgSheetsMgrv"},
    {"getDesignerRootFolder", "_Z21getDesignerRootFolderv"},
    {"getModuleImages", "_Z15getModuleImagesR15Tvx_StringArray"},
    {"SScleanupComRegistry", "_Z20SScleanupComRegistryv"},
    {"SSprintCLSIDs", "_Z13SSprintCLSIDsv"},
    {"SSregisterOpmCLSIDs", "_Z19SSregisterOpmCLSIDsv"},
    {"acrxEntryPoint", "acrxEntryPoint"},
    {"acrxGetApiVersion", "acrxGetApiVersion"},
};

void* module() {
    static void* const handle = dlopen(OVSS_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    return handle;
}

template <class Function>
Function exported(const char* name) {
    return reinterpret_cast<Function>(dlsym(module(), name));
}

const char* symbolOf(const char* name) {
    for (const Launcher& launcher : kLauncherTable) {
        if (std::string(launcher.name) == name) {
            return launcher.symbol;
        }
    }
    return "";
}

template <class W>
W* control(QDialog& dialog, int id) {
    return dialog.findChild<W*>(QStringLiteral("ctrl%1").arg(id));
}

// What the scripted user did in the dialog that opened.
struct Outcome {
    QString dialogClass;
    bool stayedOpen = false;
};

// Once a modal dialog of the module is up: `edit` it, then press OK (id 1) or Cancel (id 2).
void scriptNextDialog(Outcome& outcome, std::function<void(QDialog&)> edit, bool ok) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, &outcome, edit, ok] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        outcome.dialogClass = QString::fromLatin1(dialog->metaObject()->className());
        edit(*dialog);
        if (auto* button = control<QAbstractButton>(*dialog, ok ? 1 : 2)) {
            button->click();
        }
        if (dialog->isVisible()) {  // OK refused the edit: close it so the test goes on
            outcome.stayedOpen = true;
            dialog->reject();
        }
    });
    poll->start();
}

class LauncherTable : public ::testing::Test {
  protected:
    void SetUp() override {
        registry_ = fs::temp_directory_path() / ("ovss-launchers-" + std::to_string(::getpid()));
        fs::create_directories(registry_);
        ::setenv("OVSS_REGISTRY", (registry_ / "registry.json").c_str(), 1);
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        ASSERT_NE(module(), nullptr) << dlerror();
        app_ = std::make_unique<QApplication>(argc_, argv_);
        using Start = void (*)();
        exported<Start>("ovssStartEngine")();
        exported<Start>("ovssInstallQtServices")();
    }
    void TearDown() override {
        app_.reset();
        std::error_code ec;
        fs::remove_all(registry_, ec);
    }

    // Calls `launch` on a copy of `original` twice: with the edit and Cancel (false, record
    // unchanged), then with the edit and OK (true, record as `expectEdited` says).
    template <class Record>
    void checkCopyRules(const char* launcher, const Record& original,
                        const std::function<bool(Record&)>& launch,
                        const std::function<void(QDialog&)>& edit,
                        const std::function<void(const Record&)>& expectEdited) {
        SCOPED_TRACE(launcher);
        Record record = original;
        Outcome cancelled;
        scriptNextDialog(cancelled, edit, false);
        EXPECT_FALSE(launch(record));
        EXPECT_FALSE(cancelled.dialogClass.isEmpty()) << "no dialog opened";
        EXPECT_TRUE(record == original) << "Cancel changed the record";

        Outcome confirmed;
        scriptNextDialog(confirmed, edit, true);
        EXPECT_TRUE(launch(record));
        EXPECT_FALSE(confirmed.stayedOpen)
            << "OK did not close " << confirmed.dialogClass.toStdString();
        expectEdited(record);
    }

  private:
    fs::path registry_;
    int argc_ = 1;
    char name_[11] = "host_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

TEST_F(LauncherTable, EveryLauncherIsExported) {
    for (const Launcher& launcher : kLauncherTable) {
        const bool found = dlsym(module(), launcher.symbol) != nullptr;
        EXPECT_TRUE(found) << launcher.name << " (" << launcher.symbol << ")";
    }
}

TEST_F(LauncherTable, SmallDialogLaunchersCopyBackOnOkOnly) {
    OvLevelsDlgData levels;
    levels.levels = {{L"Ground floor", 0}, {L"Roof", 6400}};
    checkCopyRules<OvLevelsDlgData>(
        "StartDlgLevels", levels, exported<bool (*)(OvLevelsDlgData&)>(symbolOf("StartDlgLevels")),
        [](QDialog& d) { control<QTableWidget>(d, 1581)->item(1, 1)->setText("6550"); },
        [](const OvLevelsDlgData& r) { EXPECT_DOUBLE_EQ(r.levels.at(1).elevation, 6550.0); });

    OvLookUpDlgData lookup;
    lookup.values = {L"S235", L"S275", L"S355"};
    lookup.value = L"S235";
    checkCopyRules<OvLookUpDlgData>(
        "StartDlgLookUp", lookup, exported<bool (*)(OvLookUpDlgData&)>(symbolOf("StartDlgLookUp")),
        [](QDialog& d) { control<QListWidget>(d, 1602)->setCurrentRow(2); },
        [](const OvLookUpDlgData& r) { EXPECT_EQ(r.value, L"S355"); });

    checkCopyRules<OvCladdingDlgData>(
        "StartDlgCladdingSettings", OvCladdingDlgData(),
        exported<bool (*)(OvCladdingDlgData&)>(symbolOf("StartDlgCladdingSettings")),
        [](QDialog& d) { control<QLineEdit>(d, 1502)->setText("0.63"); },
        [](const OvCladdingDlgData& r) { EXPECT_DOUBLE_EQ(r.thickness, 0.63); });

    checkCopyRules<OvBracingDlgData>(
        "StartDlgBracing", OvBracingDlgData(),
        exported<bool (*)(OvBracingDlgData&)>(symbolOf("StartDlgBracing")),
        [](QDialog& d) { control<QComboBox>(d, 1521)->setCurrentIndex(3); },
        [](const OvBracingDlgData& r) { EXPECT_EQ(r.type, 3); });

    checkCopyRules<DlgProfFeaturesData>(
        "StartDlgProfFeatures", DlgProfFeaturesData(),
        exported<bool (*)(DlgProfFeaturesData&)>(symbolOf("StartDlgProfFeatures")),
        [](QDialog& d) { control<QLineEdit>(d, 1541)->setText("C7"); },
        [](const DlgProfFeaturesData& r) { EXPECT_EQ(r.mark, L"C7"); });

    checkCopyRules<DlgProfCutsData>(
        "StartEditProfCutsDlg", DlgProfCutsData(),
        exported<bool (*)(DlgProfCutsData&)>(symbolOf("StartEditProfCutsDlg")),
        [](QDialog& d) { control<QComboBox>(d, 1561)->setCurrentIndex(3); },
        [](const DlgProfCutsData& r) { EXPECT_EQ(r.startKind, 3); });
}

TEST_F(LauncherTable, OtherDialogLaunchersCopyBackOnOkOnly) {
    DlgCSP2Data stock;
    stock.setIds = {1};
    stock.setNames = {L"Beams"};
    stock.tables[0].headers = {L"Section", L"Length", L"Count"};
    stock.tables[0].setIds = {1};
    stock.tables[0].rows = {{L"IPE300", L"12000", L"8"}};
    checkCopyRules<DlgCSP2Data>(
        "StartDlgCSP2", stock, exported<bool (*)(DlgCSP2Data&)>(symbolOf("StartDlgCSP2")),
        [](QDialog& d) { control<QTableWidget>(d, 1321)->item(0, 2)->setText("9"); },
        [](const DlgCSP2Data& r) { EXPECT_EQ(r.tables[0].rows.at(0).at(2), L"9"); });

    checkCopyRules<OvDlgCis2Data>(
        "StartDlgCis2Info", OvDlgCis2Data(),
        exported<bool (*)(OvDlgCis2Data&)>(symbolOf("StartDlgCis2Info")),
        [](QDialog& d) { control<QRadioButton>(d, 1421)->click(); },
        [](const OvDlgCis2Data& r) { EXPECT_FALSE(r.m_option1); });

    checkCopyRules<OvGridDlgData>(
        "StartDlgGrid", OvGridDlgData(),
        exported<bool (*)(OvGridDlgData&)>(symbolOf("StartDlgGrid")),
        [](QDialog& d) { control<QLineEdit>(d, 1367)->setText("6"); },
        [](const OvGridDlgData& r) { EXPECT_EQ(r.m_count1, 6); });

    using Rows = Tvx_Array<Tvx_StringArray>;
    using GridLauncher = bool (*)(const Tvx_StringArray&, const Tvx_StringArray&, Rows&, bool,
                                  Tvx_String, Tvx_String);
    const auto grid = exported<GridLauncher>(symbolOf("startGridDialog"));
    ASSERT_NE(grid, nullptr);
    const Tvx_StringArray columns{L"Size", L"Grade"};
    checkCopyRules<Rows>(
        "startGridDialog", Rows{{L"M16", L"8.8"}},
        [&](Rows& rows) { return grid(columns, {}, rows, true, L"", L"Bolts"); },
        [](QDialog& d) { control<QTableWidget>(d, 1621)->item(0, 0)->setText("M30"); },
        [](const Rows& r) {
            EXPECT_EQ(r, Rows({{L"M30", L"8.8"}}));
        });
    // Without column names there is nothing to edit: false at once, no dialog.
    Rows rows{{L"M16"}};
    EXPECT_FALSE(grid({}, {}, rows, true, L"", L""));
    EXPECT_EQ(rows, Rows({{L"M16"}}));
}

TEST_F(LauncherTable, DstvPointsLauncherOpensTheGroupsDialog) {
    const auto launch = exported<void (*)()>(symbolOf("StartDSTVPointsDlg"));
    ASSERT_NE(launch, nullptr);
    Outcome outcome;
    scriptNextDialog(
        outcome, [](QDialog&) {}, false);
    launch();
    EXPECT_EQ(outcome.dialogClass.toStdString(), "CDlgSelectDstvPointsFile");
}

}  // namespace
