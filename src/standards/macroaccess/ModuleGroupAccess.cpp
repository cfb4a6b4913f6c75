// ModuleGroupAccess.cpp - reading and writing a module's value named by a variable's suffix.
#include "standards/macroaccess/ModuleGroupAccess.h"

#include "core/macro/MacroData.h"
#include "core/macro/MacroOperations.h"
#include "standards/macroaccess/MacroAccessSteps.h"

namespace {

constexpr int kGenVarReadPrecision = 4;
const wchar_t* const kGenVarNamePrefix = L"gen.";
const wchar_t* const kGenVarPrefix = L"gen_";

struct CutSuffix {
    const wchar_t* suffix;
    OvCutOffsetType cutKind;
};

constexpr CutSuffix kCutSuffixes[] = {
    {L".Cut", eCutOffset},
    {L".CutPoly", eCutPolyOffset},
    {L".CutLength", eCutLengthOffset},
    {L".CutCenter", eCutCenterOffset},
    {L".CutInside", eCutInsideOffset},
    {L".CutOutside", eCutOutsideOffset},
    {L".Chamfer1", eCutChamferOffset1},
    {L".Chamfer2", eCutChamferOffset2},
    {L".CutRadius", eCutRadius},
};

bool endsWith(const Tvx_String& name, const wchar_t* suffix) {
    return name.endsWith(suffix, false);
}

Acad::ErrorStatus accessGeneralVariable(Tvx_Macro* macro, const Tvx_String& name, Tvx_String& value,
                                        bool reading) {
    const Tvx_String variable = kGenVarPrefix + name.mid(Tvx_String(kGenVarNamePrefix).length());
    Tvx_StringArray existing;
    macro->getGeneralVariables(existing);
    if (!existing.contains(variable, false)) {
        return Acad::eInvalidInput;
    }
    if (reading) {
        value = Tvx_String(macro->generalVariableValue(variable), kGenVarReadPrecision, false);
        return Acad::eOk;
    }
    double number = 0.0;
    return numberFromValue(value, number) && macro->setGeneralVariable(variable, number)
               ? Acad::eOk
               : Acad::eInvalidInput;
}

// True when the placed profile exists; `result` then tells how reading it went.
bool readPlacedProfile(Tvx_Module* module, const Tvx_String& object, bool material,
                       Tvx_String& value, AcTransaction* transaction, Acad::ErrorStatus& result) {
    AcDbObjectId profileId;
    if (getNamedPrpl(module, object, profileId) != Acad::eOk) {
        return false;
    }
    Tvx_String read;
    result = material ? getMaterial(profileId, read, transaction)
                      : getSectionName(profileId, read, transaction);
    if (result == Acad::eOk) {
        value = read;
    }
    return true;
}

}  // namespace

Acad::ErrorStatus accessByVariableName(const Tvx_String& name, OvValueType valueType,
                                       Tvx_Macro* macro, Tvx_Module* module, MacroData* macroData,
                                       Tvx_String& value, bool reading,
                                       AcTransaction* transaction) {
    MacroTabData* tab = findModuleTab(macroData, module);
    if (macro == nullptr || tab == nullptr) {
        return Acad::eInvalidInput;
    }
    const bool numeric = isNumericValueType(valueType);
    const Tvx_String object = name.getSubstrBefore(L".", true);

    if (numeric && name.startsWith(kGenVarNamePrefix, false)) {
        return accessGeneralVariable(macro, name, value, reading);
    }
    if (!numeric && reading && (endsWith(name, L".Name") || endsWith(name, L".Material"))) {
        Acad::ErrorStatus result = Acad::eInvalidInput;
        if (readPlacedProfile(module, object, endsWith(name, L".Material"), value, transaction,
                              result)) {
            return result;
        }
    }
    if (numeric) {
        for (const CutSuffix& cut : kCutSuffixes) {
            if (endsWith(name, cut.suffix)) {
                return accessCut(module, object, cut.cutKind, value, reading);
            }
        }
        if (endsWith(name, L".Diameter") || endsWith(name, L".HoleOffset")) {
            return accessBoltData(tab, endsWith(name, L".Diameter"), value, reading);
        }
    }
    if (endsWith(name, L".NrBolts1") || endsWith(name, L".NrBolts2")) {
        return getSetNrBolts(tab, object, value, reading, endsWith(name, L".NrBolts1"));
    }
    if (numeric && (endsWith(name, L".ReverseStart1") || endsWith(name, L".ReverseStart2"))) {
        return accessReverseStart(module, object, endsWith(name, L".ReverseStart1"), value, reading,
                                  transaction);
    }
    if (!numeric) {
        return endsWith(name, L".MemberName") ? accessMemberName(tab, object, value, reading)
                                              : Acad::eInvalidInput;
    }
    return accessConstraint(module, tab, name, value, reading);
}
