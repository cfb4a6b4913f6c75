// CalcCommands.cpp - `ovss calc` in list mode and in macro mode.
#include "standards/calc/CalcCommands.h"

#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "core/TextFile.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Drawing.h"
#include "host/AcTransaction.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"
#include "standards/calc/CalcCommandSupport.h"
#include "standards/calc/MacroCalcSteps.h"
#include "standards/calc/StartDlgStandardsSS.h"
#include "standards/macroaccess/OvDlgStandardsData.h"

namespace ovcalc {

namespace {

enum class SheetRead { Ok, Unloadable, NoAreas };

// The declared variables of a sheet file, read without calculating.
SheetRead readSheetVariables(const Tvx_String& path, OvVarCells& cells, std::wstring& error) {
    HeadlessGridHost host;
    host.addControl(1, {0, 0, 400, 300});
    Tvx_Spread spread;
    if (!spread.create(&host, 1, false) || !spread.SSLoadFromFile(toFileSystemPath(path), &error)) {
        return SheetRead::Unloadable;
    }
    return cells.findVarCells(spread) == Acad::eOk ? SheetRead::Ok : SheetRead::NoAreas;
}

// Each Output variable once: a repeated declaration was dropped by the calculation and holds
// no value of its own.
void printOutputs(const OvVarCells& cells, std::ostream& out) {
    Tvx_StringArray printed;
    for (const OvVarCell& cell : cells) {
        if (cell.isOutput() && printed.find(cell.name, false) < 0) {
            printed.append(cell.name);
            out << cell.name.toUtf8() << "=" << cell.value.toUtf8() << "\n";
        }
    }
}

Tvx_DbMacro* findMacro(const Tvx_Drawing& drawing, const Tvx_String& name, std::ostream& err) {
    for (const auto& dbMacro : drawing.macros()) {
        if (dbMacro->macro() != nullptr && dbMacro->macro()->name().equal(name, false)) {
            return dbMacro.get();
        }
    }
    err << "error: the drawing has no macro \"" << name.toUtf8() << "\"; its macros:";
    for (const auto& dbMacro : drawing.macros()) {
        if (dbMacro->macro() != nullptr) {
            err << " " << dbMacro->macro()->name().toUtf8();
        }
    }
    err << "\n";
    return nullptr;
}

}  // namespace

int runListCalc(const ListCalcOptions& options, std::ostream& out, std::ostream& err) {
    JobSettings settings(options.libDir, options.warnings);
    StreamCommandLine notices(err);
    Tvx_String path;
    if (!findSheetFile(options.sheet, path)) {
        err << "error: " << sheetNotFoundText(options.sheet).toUtf8() << "\n";
        return kCalcBadInput;
    }
    OvVarCells sheetCells;
    std::wstring loadError;
    const SheetRead read = readSheetVariables(path, sheetCells, loadError);
    if (read == SheetRead::Unloadable) {
        err << "error: " << shownPath(path).toUtf8()
            << " is not a sheet: " << shortenedText(Tvx_String(loadError), 300).toUtf8() << "\n";
        return kCalcBadInput;
    }
    if (read == SheetRead::NoAreas) {
        err << "error: " << shownPath(path).toUtf8() << " has no \"Input\" or no \"Output\" area\n";
        return kCalcFailed;
    }
    OvDlgStandardsData data;
    data.mode = OvDlgStandardsData::ListMode;
    data.ssFile = path;
    for (const OvVarCell& cell : sheetCells) {
        if (!cell.isLocal()) {
            OvVarCell handed = cell;
            handed.value.empty();
            data.varCells.append(handed);
        }
    }
    Tvx_StringArray given;
    for (const std::string& argument : options.setValues) {
        Tvx_String name;
        Tvx_String value;
        int index = -1;
        if (!splitAssignment(argument, name, value)) {
            err << "error: --set expects NAME=VALUE, got \"" << argument << "\"\n";
            return kCalcBadInput;
        }
        if (data.varCells.findVarCell(name, index) != Acad::eOk) {
            err << "error: --set " << shortenedText(Tvx_String::fromUtf8(argument), 80).toUtf8()
                << ": \"" << shortenedText(name, 60).toUtf8()
                << "\" is no Input or Output variable of " << shownPath(path).toUtf8() << "\n";
            return kCalcBadInput;
        }
        const OvVarCell& cell = data.varCells[index];
        if (isNumericValueType(cell.valueType) && !isNumber(value)) {
            err << "error: --set " << shortenedText(Tvx_String::fromUtf8(argument), 80).toUtf8()
                << ": \"" << shortenedText(value, 60).toUtf8() << "\" is not a number, and "
                << cell.name.toUtf8() << " is a number variable of " << shownPath(path).toUtf8()
                << "\n";
            return kCalcBadInput;
        }
        data.varCells[index].value = value;
        given.append(cell.name);
    }
    Tvx_StringArray unset;
    for (const OvVarCell& cell : data.varCells) {
        if (cell.isInput() && given.find(cell.name, false) < 0) {
            unset.append(cell.name);
        }
    }
    if (!unset.isEmpty()) {
        err << "error: no value for the Input variable" << (unset.length() > 1 ? "s " : " ")
            << arrToStr(unset, L", ").toUtf8() << " of " << shownPath(path).toUtf8()
            << " (give --set NAME=VALUE for each)\n";
        return kCalcBadInput;
    }
    if (!addGeneralVariables(options.genValues, data, err)) {
        return kCalcBadInput;
    }
    StreamMessages messages(err);
    const bool done = StartDlgStandardsSS(data);
    printProblems(data.problems, err);
    if (!done) {
        err << "error: the calculation of " << shownPath(path).toUtf8() << " failed\n";
        return kCalcFailed;
    }
    printOutputs(data.varCells, out);
    return data.problems.isEmpty() ? kCalcOk : kCalcFailed;
}

int runMacroCalc(const MacroCalcOptions& options, std::ostream& out, std::ostream& err) {
    JobSettings settings(options.libDir, options.warnings);
    StreamCommandLine notices(err);
    const Tvx_String drawingPath = Tvx_String::fromUtf8(options.drawing);
    Tvx_Drawing drawing;
    Tvx_String error;
    if (!drawing.loadFromFile(drawingPath, error)) {
        err << "error: cannot read the drawing " << options.drawing << ": " << error.toUtf8()
            << "\n";
        return kCalcBadInput;
    }
    Tvx_DbMacro* dbMacro = findMacro(drawing, Tvx_String::fromUtf8(options.macro), err);
    if (dbMacro == nullptr) {
        return kCalcBadInput;
    }
    Tvx_String sheetPath;
    if (!findSheetFile(options.standard, sheetPath)) {
        err << "error: " << sheetNotFoundText(options.standard).toUtf8() << "\n";
        return kCalcBadInput;
    }
    const Tvx_String standard = Tvx_String::fromUtf8(options.standard);
    // Without --module the macro's own settings say how the standard maps to it (the macro
    // editor's mapping tab stores them).
    std::string module = options.module;
    if (module.empty()) {
        Tvx_String target;
        if (!dbMacro->macro()->settings().findMapping(standard, target) || target.isEmpty()) {
            err << "error: the macro " << options.macro << " has no mapping for the standard "
                << options.standard << "; give --module\n";
            return kCalcBadInput;
        }
        module = target.toUtf8();
    }
    Tvx_String moduleName;
    Tvx_String moduleReason;
    if (!moduleNameOf(module, *dbMacro->macro(), standard, moduleName, moduleReason)) {
        err << "error: --module " << shortenedText(Tvx_String::fromUtf8(module), 60).toUtf8()
            << ": " << moduleReason.toUtf8() << "\n";
        return kCalcBadInput;
    }
    MacroData macroData;
    if (buildMacroData(dbMacro, macroData) != Acad::eOk) {
        err << "error: the macro " << options.macro << " cannot be read\n";
        return kCalcBadInput;
    }
    AcTransaction transaction;
    OvDlgStandardsData data;
    data.initialize(dbMacro, standard, moduleName, &macroData);
    data.transaction = &transaction;
    addMacroGeneralVariables(*dbMacro->macro(), data);
    if (!addGeneralVariables(options.genValues, data, err)) {
        return kCalcBadInput;
    }
    StreamMessages messages(err);
    const bool done = StartDlgStandardsSS(data);
    printProblems(data.problems, err);
    if (!done) {
        err << "error: the calculation of " << shownPath(sheetPath).toUtf8() << " failed"
            << (options.write || options.writeAnyway ? "; the drawing was not written" : "")
            << "\n";
        return kCalcFailed;
    }
    printOutputs(data.varCells, out);
    if (!writeBoltRecordsToMacro(dbMacro, macroData)) {
        err << "error: the bolt data of the macro " << options.macro << " was not written\n";
        return kCalcFailed;
    }
    const std::string problems = std::to_string(data.problems.length());
    return finishDrawingWrite(
        {options.write, options.writeAnyway, problems + " problem(s) in the calculation",
         problems + " problem(s)"},
        static_cast<std::size_t>(data.problems.length()), transaction, drawing, drawingPath, err);
}

}  // namespace ovcalc
