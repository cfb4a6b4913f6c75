// OvVarCellsMacro.cpp - the variables of a sheet and a macro: values in through the mapping
// before a calculation, Output values back afterwards, and the warning for a variable the macro
// does not have.
#include "core/MessageService.h"
#include "core/StringHelpers.h"
#include "core/Tvx_Settings.h"
#include "standards/macroaccess/OvCalcProblems.h"
#include "standards/macroaccess/OvDlgStandardsData.h"
#include "standards/mapping/MappingFileCheck.h"
#include "standards/mapping/OvSSMapping.h"
#include "standards/mapping/StandardsSheetFile.h"
#include "standards/variables/OvVarCells.h"

namespace {

Tvx_String missingVariableText(const OvVarCell& cell, const Tvx_String& ssFile) {
    const bool input = cell.isInput();
    return Tvx_String(L"The following ") + (input ? L"Input" : L"Output") +
           L" variable couldn't be " + (input ? L"retrieved" : L"set") + L" : \n" + cell.name +
           L"\nMake sure the variable exists in the macro or module.\n" + L"Spreadsheet : " +
           ssFile;
}

// Builds the mapping the request asks for: its module group, else its mapping line.
Acad::ErrorStatus buildMapping(OvSSMapping& mapping, const OvDlgStandardsData& data, bool& built) {
    if (!data.moduleGroup.isEmpty()) {
        built = mapping.initFromModuleGroup(data.moduleGroup) == Acad::eOk;
        return Acad::eOk;
    }
    if (data.dbMacro == nullptr) {
        return Acad::eInvalidInput;
    }
    built = mapping.initFromMacro(data) == Acad::eOk;
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus OvVarCell::setValueFromMacro(const OvSSMapping& mapping,
                                               const OvDlgStandardsData& data) {
    Tvx_String read = value;
    if (mapping.getMacroVarValue(name, valueType, read, data) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    value = read;
    return Acad::eOk;
}

Acad::ErrorStatus OvVarCell::setValueToMacro(const OvSSMapping& mapping,
                                             const OvDlgStandardsData& data) const {
    return mapping.setMacroVarValue(name, valueType, value, data);
}

Acad::ErrorStatus OvVarCells::getFromMacro(const OvDlgStandardsData& data,
                                           OvCalcProblems* problems) {
    const Tvx_String sheet = resolveStandardsFile(data.ssFile);
    bool built = false;
    if (buildMapping(mapping_, data, built) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    Tvx_String reason;
    if (problems != nullptr && data.moduleGroup.isEmpty() &&
        !checkMappingFile(data.ssFile, data.moduleName, reason)) {
        problems->add(OvCalcProblem::Mapping, sheet, Tvx_String(), reason);
    }
    if (!built) {
        return Acad::eOk;  // the sheet then computes with the values written in it
    }
    for (OvVarCell& cell : cells_) {
        if (cell.isLocal()) {
            cell.setNewValue(Tvx_String());
            continue;
        }
        if (cell.setValueFromMacro(mapping_, data) == Acad::eOk) {
            continue;
        }
        if (problems != nullptr) {
            problems->add(OvCalcProblem::Variable, sheet, cell.name,
                          Tvx_String(cell.isInput() ? L"Input" : L"Output") +
                              L" variable not found in the macro (no value read)");
        }
        if (gSettings.current.calcWarnings) {
            AfxMessageBox(missingVariableText(cell, data.ssFile), MB_OK | MB_ICONEXCLAMATION);
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus OvVarCells::setToMacro(const OvDlgStandardsData& data,
                                         OvCalcProblems* problems) const {
    for (const OvVarCell& cell : cells_) {
        // A variable the macro lacks is skipped; the caller learns of it through `problems`.
        if (cell.isOutput() && cell.setValueToMacro(mapping_, data) != Acad::eOk &&
            problems != nullptr) {
            problems->add(OvCalcProblem::Variable, resolveStandardsFile(data.ssFile), cell.name,
                          L"Output variable not written to the macro (value " +
                              shortenedText(cell.value, 40) + L")");
        }
    }
    return Acad::eOk;
}
