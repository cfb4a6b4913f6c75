// OtherDialogsMenu.cpp - the studio's "Dialogs" entries for the other dialogs, grouped by what
// they serve: cutting stock and DSTV points, the building (levels, cladding, bracing), profiles
// (features, cuts), tables (lookup, string-array grid) and the development aid that runs a
// standards calculation. Each opens on a sample record kept with the menu, so an edit confirmed
// with OK shows the next time. Last comes the launcher table (LauncherTableMenu.h).
#include <QMenuBar>
#include <functional>

#include "LauncherTableMenu.h"
#include "StudioWindow.h"
#include "dialogs/cuttingstock/DlgCSP2Data.h"
#include "dialogs/small/DlgProfCutsData.h"
#include "dialogs/small/DlgProfFeaturesData.h"
#include "dialogs/small/OvBracingDlgData.h"
#include "dialogs/small/OvCladdingDlgData.h"
#include "dialogs/small/OvLevelsDlgData.h"
#include "dialogs/small/OvLookUpDlgData.h"

namespace {

// The exports, as the host finds them.
constexpr const char* kStartDlgCSP2 = "_Z12StartDlgCSP2R11DlgCSP2Data";
constexpr const char* kStartDSTVPointsDlg = "_Z18StartDSTVPointsDlgv";
constexpr const char* kStartDlgLevels = "_Z14StartDlgLevelsR15OvLevelsDlgData";
constexpr const char* kStartDlgCladding = "_Z24StartDlgCladdingSettingsR17OvCladdingDlgData";
constexpr const char* kStartDlgBracing = "_Z15StartDlgBracingR16OvBracingDlgData";
constexpr const char* kStartDlgProfFeatures = "_Z20StartDlgProfFeaturesR19DlgProfFeaturesData";
constexpr const char* kStartEditProfCutsDlg = "_Z20StartEditProfCutsDlgR15DlgProfCutsData";
constexpr const char* kStartDlgLookUp = "_Z14StartDlgLookUpR15OvLookUpDlgData";
constexpr const char* kStartGridDialog =
    "_Z15startGridDialogRK15Tvx_StringArrayS1_R9Tvx_ArrayIS_Eb10Tvx_StringS5_";
constexpr const char* kStartDlgStandardsSStest = "_Z23StartDlgStandardsSStestv";

using Rows = Tvx_Array<Tvx_StringArray>;

QString qt(const Tvx_String& text) {
    return QString::fromStdWString(text.wstr());
}

// The sample records, kept for the studio's life.
class OtherDialogRecords : public QObject {
  public:
    explicit OtherDialogRecords(QObject* parent) : QObject(parent) {
        stock.tables[0].headers = {L"Section", L"Length", L"Count"};
        stock.tables[1].headers = {L"Section", L"Length", L"Count"};
        stock.tables[2].headers = {L"Section", L"Length", L"Count"};
        stock.addSet(L"Hall A");
        stock.tables[0].replaceRowsOfSet(1, Rows{{L"HEA200", L"6000", L"12"},
                                                 {L"HEA200", L"12000", L"8"},
                                                 {L"IPE300", L"12000", L"10"}});
        stock.tables[2].replaceRowsOfSet(
            1, Rows{{L"HEA200", L"4850", L"14"}, {L"IPE300", L"7200", L"6"}});
        stockMode = stock;
        stockMode.mode = true;
        levels.levels = {
            {L"Foundation", -1200}, {L"Ground floor", 0}, {L"First floor", 3600}, {L"Eaves", 7200}};
        lookup.title = L"Bolt grade";
        lookup.values = {L"4.6", L"5.6", L"8.8", L"10.9"};
        lookup.value = L"8.8";
        profileFeatures.mark = L"B12";
        gridColumns = {L"Size", L"Grade", L"Count"};
        gridRows = {{L"M16", L"8.8", L"4"}, {L"M20", L"10.9", L"2"}};
    }

    DlgCSP2Data stock;
    DlgCSP2Data stockMode;
    OvLevelsDlgData levels;
    OvCladdingDlgData cladding;
    OvBracingDlgData bracing;
    DlgProfFeaturesData profileFeatures;
    DlgProfCutsData profileCuts;
    OvLookUpDlgData lookup;
    Tvx_StringArray gridColumns;
    Rows gridRows;
};

QString describeStock(const DlgCSP2Data& r) {
    return QStringLiteral("%1 set(s), %2 stock row(s)")
        .arg(r.setIds.length())
        .arg(r.tables[0].rows.length());
}

}  // namespace

void StudioWindow::buildOtherDialogsMenu() {
    QMenu* dialogs = nullptr;
    for (QAction* action : menuBar()->actions()) {
        if (action->menu() != nullptr && action->text() == tr("&Dialogs")) {
            dialogs = action->menu();
        }
    }
    if (dialogs == nullptr) {
        return;
    }
    auto* records = new OtherDialogRecords(this);

    // Opens `symbol` as a launcher of type Fn through `call`, reporting the outcome.
    auto entry = [this](QMenu* menu, const QString& text, const char* symbol, const QString& name,
                        std::function<QString(void*, bool&)> call) {
        menu->addAction(text, this, [this, symbol, name, call] {
            void* launcher = module_.exported(symbol);
            if (launcher == nullptr) {
                return missing(name);
            }
            bool ok = false;
            const QString record = call(launcher, ok);
            report(name, ok, record);
        });
    };

    dialogs->addSeparator();
    QMenu* stock = dialogs->addMenu(tr("Cutting stock and DSTV points"));
    entry(stock, tr("Cutting stock..."), kStartDlgCSP2, QStringLiteral("StartDlgCSP2"),
          [records](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)(DlgCSP2Data&)>(f)(records->stock);
              return describeStock(records->stock);
          });
    entry(stock, tr("Cutting stock, existing files only..."), kStartDlgCSP2,
          QStringLiteral("StartDlgCSP2"), [records](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)(DlgCSP2Data&)>(f)(records->stockMode);
              return describeStock(records->stockMode);
          });
    entry(stock, tr("DSTV points..."), kStartDSTVPointsDlg, QStringLiteral("StartDSTVPointsDlg"),
          [](void* f, bool& ok) {
              reinterpret_cast<void (*)()>(f)();
              ok = true;
              return tr("closed");
          });

    QMenu* building = dialogs->addMenu(tr("Building"));
    entry(building, tr("Levels..."), kStartDlgLevels, QStringLiteral("StartDlgLevels"),
          [records](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)(OvLevelsDlgData&)>(f)(records->levels);
              return QStringLiteral("%1 level(s)").arg(records->levels.levels.length());
          });
    entry(building, tr("Cladding settings..."), kStartDlgCladding,
          QStringLiteral("StartDlgCladdingSettings"), [records](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)(OvCladdingDlgData&)>(f)(records->cladding);
              return QStringLiteral("%1, %2 mm, %3")
                  .arg(qt(records->cladding.profile))
                  .arg(records->cladding.thickness)
                  .arg(qt(records->cladding.colour));
          });
    entry(building, tr("Bracing..."), kStartDlgBracing, QStringLiteral("StartDlgBracing"),
          [records](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)(OvBracingDlgData&)>(f)(records->bracing);
              return QStringLiteral("type %1, %2 %3")
                  .arg(records->bracing.type)
                  .arg(qt(records->bracing.section), qt(records->bracing.material));
          });

    QMenu* profiles = dialogs->addMenu(tr("Profiles"));
    entry(profiles, tr("Profile features..."), kStartDlgProfFeatures,
          QStringLiteral("StartDlgProfFeatures"), [records](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)(DlgProfFeaturesData&)>(f)(records->profileFeatures);
              return QStringLiteral("mark %1, %2, phase %3")
                  .arg(qt(records->profileFeatures.mark), qt(records->profileFeatures.material))
                  .arg(records->profileFeatures.phase);
          });
    entry(profiles, tr("Profile cuts..."), kStartEditProfCutsDlg,
          QStringLiteral("StartEditProfCutsDlg"), [records](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)(DlgProfCutsData&)>(f)(records->profileCuts);
              return QStringLiteral("start %1 (%2°), end %3 (%4°)")
                  .arg(records->profileCuts.startKind)
                  .arg(records->profileCuts.startAngle)
                  .arg(records->profileCuts.endKind)
                  .arg(records->profileCuts.endAngle);
          });

    QMenu* tables = dialogs->addMenu(tr("Tables"));
    entry(tables, tr("Lookup..."), kStartDlgLookUp, QStringLiteral("StartDlgLookUp"),
          [records](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)(OvLookUpDlgData&)>(f)(records->lookup);
              return QStringLiteral("chosen %1").arg(qt(records->lookup.value));
          });
    entry(tables, tr("String-array grid..."), kStartGridDialog, QStringLiteral("startGridDialog"),
          [records](void* f, bool& ok) {
              using Fn = bool (*)(const Tvx_StringArray&, const Tvx_StringArray&, Rows&, bool,
                                  Tvx_String, Tvx_String);
              ok = reinterpret_cast<Fn>(f)(records->gridColumns, {}, records->gridRows, true, L"",
                                           L"Bolts of the connection");
              return QStringLiteral("%1 row(s)").arg(records->gridRows.length());
          });

    QMenu* aids = dialogs->addMenu(tr("Development aids"));
    entry(aids, tr("Standards calculation test"), kStartDlgStandardsSStest,
          QStringLiteral("StartDlgStandardsSStest"), [](void* f, bool& ok) {
              ok = reinterpret_cast<bool (*)()>(f)();
              return ok ? tr("calculated") : tr("failed");
          });

    addLauncherTableMenu(dialogs, menuBar());
}
