// CalcCommands.cpp - `ovss calc` in list mode and in macro mode.
#include "standards/calc/CalcCommands.h"

#include "core/Paths.h"
#include "core/TextFile.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Drawing.h"
#include "host/AcTransaction.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"
#include "standards/calc/CalcCommandSupport.h"
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

bool addGeneralVariables(const std::vector<std::string>& arguments, OvDlgStandardsData& data,
                         std::ostream& err) {
    for (const std::string& argument : arguments) {
        Tvx_String name;
        Tvx_String value;
        if (!splitAssignment(argument, name, value)) {
            err << "error: --gen expects NAME=VALUE, got \"" << argument << "\"\n";
            return false;
        }
        const int existing = data.genVarNames.find(name, true);
        if (existing >= 0) {
            data.genVarValues[existing] = value;
        } else {
            data.genVarNames.append(name);
            data.genVarValues.append(value);
        }
    }
    return true;
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

// The calculation writes dialog variables and cuts straight into the macro, but bolt data and
// pattern counts into the macro's dialog record. This carries the latter into the drawing
// without letting the record's older variable values overwrite the new ones: a fresh record
// (with the new values) takes the bolt blocks and patterns and is written back.
bool writeBoltRecordsToMacro(Tvx_DbMacro* dbMacro, const MacroData& computed) {
    MacroData fresh;
    if (buildMacroData(dbMacro, fresh) != Acad::eOk) {
        return false;
    }
    Tvx_Array<Tvx_Array<int>> changed;
    Tvx_Array<Tvx_Array<int>> changedPatterns;
    for (int i = 0; i < fresh.tabs.length(); ++i) {
        MacroTabData& tab = fresh.tabs[i];
        Tvx_Array<int> marks;
        for (const MacroTabData& source : computed.tabs) {
            if (source.moduleName.equal(tab.moduleName, false)) {
                tab.patterns = source.patterns;
                tab.hasBoltData = source.hasBoltData;
                tab.boltData = source.boltData;
                marks.append(0);
            }
        }
        changed.append(marks);
        changedPatterns.append(marks);
    }
    setAllToMacro(fresh, changed, changedPatterns);
    return true;
}

// True when the standard's mapping file has a line for `key`.
bool mappingHasKey(const Tvx_String& sheetPath, const Tvx_String& key) {
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(changeExtension(sheetPath, L"map"), lines)) {
        return false;
    }
    for (const Tvx_String& line : lines) {
        if (line.left(key.length() + 1).equal(key + L"=", false)) {
            return true;
        }
    }
    return false;
}

// "Module.x" is taken as given, and so is a key of the standard's mapping file; any other name
// of a module group means that group (module-group mode).
Tvx_String moduleNameOf(const std::string& module, const Tvx_Macro& macro,
                        const Tvx_String& sheetPath) {
    const Tvx_String name = Tvx_String::fromUtf8(module);
    if (name.startsWith(kModuleGroupPrefix, true) || mappingHasKey(sheetPath, name)) {
        return name;
    }
    for (int i = 0; i < macro.moduleCount(); ++i) {
        const Tvx_Module* candidate = macro.module(i);
        if (candidate != nullptr && !candidate->groupName().isEmpty() &&
            candidate->groupName().equal(name, false)) {
            return Tvx_String(kModuleGroupPrefix) + candidate->groupName();
        }
    }
    return name;
}

}  // namespace

int runListCalc(const ListCalcOptions& options, std::ostream& out, std::ostream& err) {
    JobSettings settings(options.libDir, options.warnings);
    Tvx_String path;
    if (!findSheetFile(options.sheet, path)) {
        err << "error: no standards sheet \"" << options.sheet << "\" (looked for " << path.toUtf8()
            << ")\n";
        return kCalcBadInput;
    }
    OvVarCells sheetCells;
    std::wstring loadError;
    const SheetRead read = readSheetVariables(path, sheetCells, loadError);
    if (read == SheetRead::Unloadable) {
        err << "error: " << path.toUtf8() << " is not a sheet: " << Tvx_String(loadError).toUtf8()
            << "\n";
        return kCalcBadInput;
    }
    if (read == SheetRead::NoAreas) {
        err << "error: " << path.toUtf8() << " has no \"Input\" or no \"Output\" area\n";
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
    for (const std::string& argument : options.setValues) {
        Tvx_String name;
        Tvx_String value;
        int index = -1;
        if (!splitAssignment(argument, name, value)) {
            err << "error: --set expects NAME=VALUE, got \"" << argument << "\"\n";
            return kCalcBadInput;
        }
        if (data.varCells.findVarCell(name, index) != Acad::eOk) {
            err << "error: \"" << name.toUtf8() << "\" is no Input or Output variable of "
                << path.toUtf8() << "\n";
            return kCalcBadInput;
        }
        data.varCells[index].value = value;
    }
    if (!addGeneralVariables(options.genValues, data, err)) {
        return kCalcBadInput;
    }
    StreamMessages messages(err);
    if (!StartDlgStandardsSS(data)) {
        err << "error: the calculation of " << path.toUtf8() << " failed\n";
        return kCalcFailed;
    }
    printOutputs(data.varCells, out);
    return kCalcOk;
}

int runMacroCalc(const MacroCalcOptions& options, std::ostream& out, std::ostream& err) {
    JobSettings settings(options.libDir, options.warnings);
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
        err << "error: no standards sheet \"" << options.standard << "\" (looked for "
            << sheetPath.toUtf8() << ")\n";
        return kCalcBadInput;
    }
    MacroData macroData;
    if (buildMacroData(dbMacro, macroData) != Acad::eOk) {
        err << "error: the macro " << options.macro << " cannot be read\n";
        return kCalcBadInput;
    }
    AcTransaction transaction;
    OvDlgStandardsData data;
    data.initialize(dbMacro, Tvx_String::fromUtf8(options.standard),
                    moduleNameOf(options.module, *dbMacro->macro(), sheetPath), &macroData);
    data.transaction = &transaction;
    Tvx_StringArray generalNames;
    dbMacro->macro()->getGeneralVariables(generalNames);
    for (const Tvx_String& name : generalNames) {
        data.genVarNames.append(name);
        data.genVarValues.append(
            Tvx_String(dbMacro->macro()->generalVariableValue(name), 8, false));
    }
    if (!addGeneralVariables(options.genValues, data, err)) {
        return kCalcBadInput;
    }
    StreamMessages messages(err);
    if (!StartDlgStandardsSS(data)) {
        err << "error: the calculation of " << sheetPath.toUtf8() << " failed\n";
        return kCalcFailed;
    }
    printOutputs(data.varCells, out);
    if (!writeBoltRecordsToMacro(dbMacro, macroData)) {
        err << "error: the bolt data of the macro " << options.macro << " was not written\n";
        return kCalcFailed;
    }
    if (options.write) {
        transaction.commit();
        if (!drawing.saveToFile(drawingPath, error)) {
            err << "error: the drawing was not written: " << error.toUtf8() << "\n";
            return kCalcFailed;
        }
    }
    return kCalcOk;
}

}  // namespace ovcalc
