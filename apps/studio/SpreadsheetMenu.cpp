// SpreadsheetMenu.cpp - the studio's "Spreadsheet" menu: the formula workbench (on its fixed
// sheet, modal and docked), the column and row captions, the editor language, the general
// variables and a grid with the standard context menu, each opened through the module's exports
// on the studio's sample records.
#include <QMenuBar>

#include "StudioWindow.h"
#include "core/StringHelpers.h"

namespace {

// The exports, as the host finds them.
constexpr const char* kEvaluateSS = "_Z10EvaluateSSv";
constexpr const char* kShowDockedWorkbench = "ovssShowDockedWorkbench";
constexpr const char* kSetHostMainWindow = "_Z17setHostMainWindowPv";
constexpr const char* kStartDlgSSOptions = "_Z17StartDlgSSOptionsR15OvSSOptionsData";
constexpr const char* kStartDlgSSSettings = "_Z18StartDlgSSSettingsRi";
constexpr const char* kStartDlgGenVars = "_Z15StartDlgGenVarsR19OvAutoStandardsData";
constexpr const char* kShowMenuGrid = "ovssShowMenuGrid";

OvAutoStandardsData sampleGenVars() {
    OvAutoStandardsData data;
    data.dwgGenVars() = {L"PlateGap", L"PlateGap", L"WeldSize"};
    data.dwgGenValues() = {L"10", L"12", L"6"};
    data.dwgGenFilters() = {L"Beams\\End plate.dwg", L"Columns", L""};
    data.stdGenVars() = {L"BoltGrade", L"EdgeDistance"};
    data.stdGenValues() = {L"8.8", L"40"};
    data.stdGenOverrides() = {L"1", L"0"};
    data.stdGenFilters() = {L"", L"Bracing\\Gusset.dwg"};
    return data;
}

OvSSOptionsData sampleCaptions() {
    OvSSOptionsData data;
    data.colCount = 4;
    data.rowCount = 3;
    data.colCaptions = {L"Profile", L"Length", L"Weight", L"Grade"};
    data.rowCaptions = {L"Column", L"Beam", L"Brace"};
    return data;
}

QString listText(const Tvx_StringArray& list) {
    return QString::fromStdWString(arrToStr(list, L", ").wstr());
}

}  // namespace

void StudioWindow::buildSpreadsheetMenu() {
    genVars_ = sampleGenVars();
    captions_ = sampleCaptions();
    QMenu* menu = menuBar()->addMenu(tr("&Spreadsheet"));
    menu->addAction(tr("&Formulas workbench..."), this, &StudioWindow::openFormulas);
    menu->addAction(tr("Formulas workbench &docked"), this, &StudioWindow::openDockedFormulas);
    menu->addAction(tr("Column and row &captions..."), this, &StudioWindow::openCaptions);
    menu->addAction(tr("Spreadsheet &language..."), this, &StudioWindow::openLanguage);
    menu->addAction(tr("&General variables..."), this, &StudioWindow::openGenVars);
    menu->addAction(tr("Grid with context &menu..."), this, &StudioWindow::openMenuGrid);
}

void StudioWindow::openFormulas() {
    auto launcher = reinterpret_cast<void (*)()>(module_.exported(kEvaluateSS));
    if (launcher == nullptr) {
        return missing(QStringLiteral("EvaluateSS"));
    }
    launcher();
    report(QStringLiteral("EvaluateSS"), true, tr("workbench closed"));
}

void StudioWindow::openDockedFormulas() {
    auto setFrame = reinterpret_cast<void (*)(void*)>(module_.exported(kSetHostMainWindow));
    auto show = reinterpret_cast<bool (*)()>(module_.exported(kShowDockedWorkbench));
    if (setFrame == nullptr || show == nullptr) {
        return missing(QStringLiteral("ovssShowDockedWorkbench"));
    }
    // The module docks its bars in the host's main frame: this window.
    setFrame(static_cast<QWidget*>(this));
    report(QStringLiteral("ovssShowDockedWorkbench"), show(), tr("docked on the left"));
}

void StudioWindow::openCaptions() {
    auto launcher =
        reinterpret_cast<bool (*)(OvSSOptionsData&)>(module_.exported(kStartDlgSSOptions));
    if (launcher == nullptr) {
        return missing(QStringLiteral("StartDlgSSOptions"));
    }
    const bool ok = launcher(captions_);
    report(QStringLiteral("StartDlgSSOptions"), ok,
           tr("columns: %1; rows: %2")
               .arg(listText(captions_.colCaptions), listText(captions_.rowCaptions)));
}

void StudioWindow::openLanguage() {
    auto launcher = reinterpret_cast<bool (*)(int&)>(module_.exported(kStartDlgSSSettings));
    if (launcher == nullptr) {
        return missing(QStringLiteral("StartDlgSSSettings"));
    }
    const bool ok = launcher(language_);
    report(QStringLiteral("StartDlgSSSettings"), ok, tr("language index %1").arg(language_));
}

void StudioWindow::openGenVars() {
    auto launcher =
        reinterpret_cast<bool (*)(OvAutoStandardsData&)>(module_.exported(kStartDlgGenVars));
    if (launcher == nullptr) {
        return missing(QStringLiteral("StartDlgGenVars"));
    }
    const bool ok = launcher(genVars_);
    report(QStringLiteral("StartDlgGenVars"), ok,
           tr("drawing: %1; standards: %2")
               .arg(listText(genVars_.dwgGenVars()), listText(genVars_.stdGenVars())));
}

void StudioWindow::openMenuGrid() {
    auto launcher = reinterpret_cast<bool (*)()>(module_.exported(kShowMenuGrid));
    if (launcher == nullptr) {
        return missing(QStringLiteral("ovssShowMenuGrid"));
    }
    report(QStringLiteral("ovssShowMenuGrid"), launcher(), tr("grid closed"));
}
