// MacroDetailMenu.cpp - the studio's "Macro details" menu: each macro detail dialog and the
// filtered open-save dialog on records taken from the sample drawing of the library (its end
// plate macro's bolt block and bolt pattern), so that a person can reach every one. Everything
// goes through the module's exports; edits confirmed with OK are kept for the next opening.
#include <QDir>
#include <QMenuBar>
#include <functional>

#include "StudioWindow.h"
#include "core/FileSystem.h"
#include "core/Tvx_Settings.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Drawing.h"
#include "dialogs/OpenSaveFiles.h"

namespace {

// The exports, as the host finds them.
constexpr const char* kStartDlgMacroCuts = "_Z17StartDlgMacroCutsR16DlgMacroCutsDataRb";
constexpr const char* kStartDlgMacroProfAdv =
    "_Z20StartDlgMacroProfAdvR9MacroDataRK10Tvx_StringS3_b";
constexpr const char* kStartArrayDlg =
    "_Z13StartArrayDlgR12DynArrayDataRK7AcArrayI12AcDbObjectIdERK10Tvx_String";
constexpr const char* kStartDlgMacroBoltAdv =
    "_Z20StartDlgMacroBoltAdvR13MacroBoltDataRK15Tvx_StringArrayS3_RKSt8functionIFvS0_EE";
constexpr const char* kStartDlgMacroPattern = "_Z20StartDlgMacroPatternR17MacroPatternProps";
constexpr const char* kStartDlgMacroProfSegm = "_Z21StartDlgMacroProfSegmR22MacroProfSegmentedData";
constexpr const char* kStartDlgOpenSave = "_Z16StartDlgOpenSaveR13OpenSaveFiles";

using CutsLauncher = bool (*)(DlgMacroCutsData&, bool&);
using ProfAdvLauncher = void (*)(MacroData&, const Tvx_String&, const Tvx_String&, bool);
using ArrayLauncher = bool (*)(DynArrayData&, const AcArray<AcDbObjectId>&, const Tvx_String&);
using BoltLauncher = bool (*)(MacroBoltData&, const Tvx_StringArray&, const Tvx_StringArray&,
                              const std::function<void(MacroBoltData&)>&);
using PatternLauncher = bool (*)(MacroPatternProps&);
using SegmLauncher = bool (*)(MacroProfSegmentedData&);
using OpenSaveLauncher = bool (*)(OpenSaveFiles&);

QString qt(const Tvx_String& text) {
    return QString::fromStdWString(text.wstr());
}

// The records, taken from the sample drawing once and kept with the menu.
class MacroDetailRecords : public QObject {
  public:
    explicit MacroDetailRecords(QObject* parent) : QObject(parent) { load(); }

    MacroData macro;  // the end plate macro
    MacroBoltData bolt;
    MacroPatternProps pattern;
    DlgMacroCutsData cut;
    DynArrayData array;
    MacroProfSegmentedData segments;
    OpenSaveFiles propertyFiles;
    Tvx_String source;

  private:
    void load() {
        const Tvx_String path = gSettings.libDir + L"Drawings\\sample.json";
        Tvx_String error;
        if (drawing_.loadFromFile(path, error) && !drawing_.macros().empty()) {
            buildMacroData(drawing_.macros().front().get(), macro);
            source = path;
        }
        for (MacroTabData& tab : macro.tabs) {
            if (const MacroBoltData* data = tab.getBoltData()) {
                bolt = *data;
            }
            if (!tab.patterns.isEmpty()) {
                pattern = tab.patterns[0];
            }
        }
        bolt.count = bolt.count > 0 ? bolt.count : 4;
        bolt.holeColumns = {{L"1", L"50", L"2", L"0", L"1"}, {L"2", L"150", L"2", L"0", L"1"}};
        bolt.details.entries = {{true, L"2", L"70", L"40", L"100", 0},
                                {true, L"2", L"70", L"40", L"100", 1}};
        bolt.details.options = {0, 0, -1, 0, -1};
        pattern.name = pattern.name.isEmpty() ? Tvx_String(L"P1") : pattern.name;

        cut.newCut = true;
        cut.name = L"Notch";
        cut.kind = 2;
        cut.vars = DlgMacroCutsData::GetDefaultValues(2);
        cut.otherCutNames = {L"Cope"};

        array.name = L"Stiffeners";
        array.details.rows = {{L"Stiffener", L"2", L"150", L"0", L"0"}};
        segments.profiles = {
            MacroSegmentedProf{{{L"2000", L"IPE300", L"S355"}, {L"1500", L"IPE240", L"S355"}}}};

        // A profile group to show in the profile detail (the end plate macro has none).
        MacroTabData beams;
        beams.kind = 2;
        beams.moduleName = L"Beam";
        beams.caption = L"Beam";
        MacroProfData beam;
        beam.groupName = L"Beam";
        beam.memberName = L"B1";
        beam.sectionName = L"IPE300";
        beam.material = L"S235";
        beams.profData = {beam};
        macro.tabs.append(beams);

        propertyFiles.folder = gSettings.libDir + L"Drawings\\";
        propertyFiles.extension = L".json";
        propertyFiles.all = listFiles(propertyFiles.folder, L"*.json", false);
        for (Tvx_String& name : propertyFiles.all) {
            name = name.left(name.length() - 5);
        }
        propertyFiles.suitable = propertyFiles.all;
        propertyFiles.mode = OpenSaveFiles::kSave;
    }

    Tvx_Drawing drawing_;
};

}  // namespace

void StudioWindow::buildMacroDetailMenu() {
    auto* records = new MacroDetailRecords(this);
    QMenu* menu = menuBar()->addMenu(tr("&Macro details"));
    const auto call = [this](const char* name, const QString& launcher,
                             const std::function<void(void*)>& run) {
        void* entry = module_.exported(name);
        if (entry == nullptr) {
            return missing(launcher);
        }
        run(entry);
    };
    menu->addAction(tr("&Cuts..."), this, [this, records, call] {
        call(kStartDlgMacroCuts, QStringLiteral("StartDlgMacroCuts"), [this, records](void* f) {
            bool changed = false;
            const bool ok = reinterpret_cast<CutsLauncher>(f)(records->cut, changed);
            report(QStringLiteral("StartDlgMacroCuts"), ok,
                   qt(records->cut.name) + (changed ? QStringLiteral(" (changed)") : QString()));
        });
    });
    menu->addAction(tr("&Bolt details..."), this, [this, records, call] {
        call(kStartDlgMacroBoltAdv, QStringLiteral("StartDlgMacroBoltAdv"),
             [this, records](void* f) {
                 const bool ok = reinterpret_cast<BoltLauncher>(f)(
                     records->bolt, {L"HV", L"HR", L"Anchor"}, {L"12", L"16", L"20", L"24"}, {});
                 report(QStringLiteral("StartDlgMacroBoltAdv"), ok,
                        qt(records->bolt.assembly + L" M" + records->bolt.diameter));
             });
    });
    menu->addAction(tr("&Profile details..."), this, [this, records, call] {
        call(kStartDlgMacroProfAdv, QStringLiteral("StartDlgMacroProfAdv"),
             [this, records](void* f) {
                 reinterpret_cast<ProfAdvLauncher>(f)(records->macro, L"Beam", L"Beam", true);
                 MacroProfData beam;
                 records->macro.getMergedPropsOfGroup(L"Beam", L"Beam", beam);
                 report(QStringLiteral("StartDlgMacroProfAdv"), true,
                        qt(beam.sectionName + L" " + beam.material));
             });
    });
    menu->addAction(tr("Bolt &pattern..."), this, [this, records, call] {
        call(kStartDlgMacroPattern, QStringLiteral("StartDlgMacroPattern"),
             [this, records](void* f) {
                 const bool ok = reinterpret_cast<PatternLauncher>(f)(records->pattern);
                 report(QStringLiteral("StartDlgMacroPattern"), ok,
                        qt(records->pattern.name + L": " + records->pattern.count1 + L" x " +
                           records->pattern.count2));
             });
    });
    menu->addAction(tr("&Array..."), this, [this, records, call] {
        call(kStartArrayDlg, QStringLiteral("StartArrayDlg"), [this, records](void* f) {
            const bool ok = reinterpret_cast<ArrayLauncher>(f)(
                records->array, records->macro.selectedIds, records->array.name);
            report(QStringLiteral("StartArrayDlg"), ok,
                   QString::number(records->array.details.rows.length()) + tr(" entries"));
        });
    });
    menu->addAction(tr("&Segmented profile..."), this, [this, records, call] {
        call(kStartDlgMacroProfSegm, QStringLiteral("StartDlgMacroProfSegm"),
             [this, records](void* f) {
                 const bool ok = reinterpret_cast<SegmLauncher>(f)(records->segments);
                 report(QStringLiteral("StartDlgMacroProfSegm"), ok,
                        QString::number(records->segments.profiles[0].segments.length()) +
                            tr(" segments"));
             });
    });
    menu->addSeparator();
    menu->addAction(tr("&Open-save (property files)..."), this, [this, records, call] {
        call(kStartDlgOpenSave, QStringLiteral("StartDlgOpenSave"), [this, records](void* f) {
            const bool ok = reinterpret_cast<OpenSaveLauncher>(f)(records->propertyFiles);
            report(QStringLiteral("StartDlgOpenSave"), ok, qt(records->propertyFiles.chosen));
        });
    });
}
