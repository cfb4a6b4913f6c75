// MacroAccessSteps.cpp - the single-object steps of reading and writing macro values.
#include "standards/macroaccess/MacroAccessSteps.h"

#include "core/macro/MacroData.h"
#include "core/macro/MacroOperations.h"

namespace {
constexpr int kCutReadPrecision = 7;
}

MacroTabData* findModuleTab(MacroData* data, const Tvx_Module* module) {
    if (data == nullptr || module == nullptr) {
        return nullptr;
    }
    return data->getTab(data->findTab(module->groupKey()));
}

bool numberFromValue(const Tvx_String& value, double& number) {
    if (!value.isNumber()) {
        return false;
    }
    number = value.toDouble();
    return true;
}

Acad::ErrorStatus accessConstraint(Tvx_Module* module, MacroTabData* tab,
                                   const Tvx_String& variable, Tvx_String& value, bool reading) {
    if (module == nullptr) {
        return Acad::eInvalidInput;
    }
    bool fixed = false;
    bool flexible = true;
    if (!reading && tab != nullptr && tab->getFlexFixBtnStatus(variable, fixed, flexible) &&
        (!fixed || flexible)) {
        tab->flexFixBtnClicked(variable, false);
    }
    return getSetConstrVarValue(module, variable, value, reading);
}

Acad::ErrorStatus accessCut(Tvx_Module* module, const Tvx_String& cutName, int cutKind,
                            Tvx_String& value, bool reading) {
    AcDbObjectId constraint;
    if (module == nullptr || getCutConstraint(module, cutName, constraint) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    double number = 0.0;
    if (!reading && !numberFromValue(value, number)) {
        return Acad::eInvalidInput;
    }
    if (getSetCutValue(module, constraint, cutKind, number, reading) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    if (reading) {
        value = Tvx_String(number, kCutReadPrecision, false);
    }
    return Acad::eOk;
}

Acad::ErrorStatus accessBoltData(MacroTabData* tab, bool diameter, Tvx_String& value,
                                 bool reading) {
    MacroBoltData* bolts = tab != nullptr ? tab->getBoltData() : nullptr;
    if (bolts == nullptr) {
        return Acad::eInvalidInput;
    }
    Tvx_String& field = diameter ? bolts->diameter : bolts->holeOffset;
    if (reading) {
        value = field;
    } else {
        field = value;
    }
    return Acad::eOk;
}

Acad::ErrorStatus accessReverseStart(Tvx_Module* module, const Tvx_String& pattern, bool first,
                                     Tvx_String& value, bool reading, AcTransaction* transaction) {
    AcDbObjectId patternId;
    if (module == nullptr || module->type() != kBoltModuleType ||
        findPattern(module, pattern, patternId, transaction) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    bool flag = value == L"1";
    if (getSetBoltPatternReverses(module, patternId, first, reading, flag, transaction) !=
        Acad::eOk) {
        return Acad::eInvalidInput;
    }
    if (reading) {
        value = flag ? L"0" : L"1";
    }
    return Acad::eOk;
}

Acad::ErrorStatus accessMemberName(MacroTabData* tab, const Tvx_String& group, Tvx_String& value,
                                   bool reading) {
    MacroProfData data;
    if (tab == nullptr || !tab->getMergedPropsOfGroup(group, data)) {
        return Acad::eInvalidInput;
    }
    if (reading) {
        value = data.memberName;
        return Acad::eOk;
    }
    data.memberName = value;
    return tab->setMergedPropsOfGroup(group, data) ? Acad::eOk : Acad::eInvalidInput;
}
