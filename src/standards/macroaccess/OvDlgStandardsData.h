// OvDlgStandardsData.h - the record with which a caller asks for a standards calculation: the
// sheet, the macro with its transaction and dialog data, how the sheet's variables map to the
// macro, the general variables to substitute, and the variable list (input and output in list
// mode, the result in macro mode). The pointers belong to the caller; copies share them.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/ErrorStatus.h"
#include "standards/macroaccess/OvCalcProblems.h"
#include "standards/variables/OvVarCells.h"

class Tvx_DbMacro;
class AcTransaction;
class MacroData;

// A module name of this form names a module group ("Module.Plate"); any other is a mapping key.
inline const wchar_t* const kModuleGroupPrefix = L"Module.";

class OvDlgStandardsData {
  public:
    enum Mode : int { MacroMode = 0, ListMode = 1 };

    OvDlgStandardsData() = default;
    OvDlgStandardsData(const OvDlgStandardsData&) = default;
    OvDlgStandardsData& operator=(const OvDlgStandardsData&) = default;
    virtual ~OvDlgStandardsData() = default;

    // A macro-mode request. 3 (nothing changed) without macro or macro data. The caller sets the
    // transaction, the general variables and, for list mode, the variables itself.
    Acad::ErrorStatus initialize(Tvx_DbMacro* dbMacro, Tvx_String ssFile, Tvx_String moduleName,
                                 MacroData* macroData);

    int mode = MacroMode;
    Tvx_String ssFile;
    Tvx_DbMacro* dbMacro = nullptr;
    Tvx_String moduleName;   // "Module." + group, or the key of a mapping line
    Tvx_String moduleGroup;  // the group of a "Module." name, else empty
    AcTransaction* transaction = nullptr;
    MacroData* macroData = nullptr;
    Tvx_StringArray genVarNames;
    Tvx_StringArray genVarValues;
    OvVarCells varCells;
    // What went wrong in the last calculation of this record (empty when all went well); kept
    // on failure too, so that a caller can say why.
    OvCalcProblems problems;
};

// The group named by a "Module." module name; empty for a mapping key.
Tvx_String moduleGroupOf(const Tvx_String& moduleName);
