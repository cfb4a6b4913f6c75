// ObjectAccess.cpp - the value of one mapped object: macro-level kinds directly, module kinds
// through every module of the object's group.
#include "standards/macroaccess/ObjectAccess.h"

#include "core/macro/MacroData.h"
#include "core/macro/MacroOperations.h"
#include "core/sections/SectionLookup.h"
#include "standards/macroaccess/MacroAccessSteps.h"
#include "standards/mapping/OvObjectMap.h"

namespace {

constexpr int kGenVarReadPrecision = 8;
const wchar_t* const kBaseProfilePrefix = L"Prof";

// General variables and base profiles belong to the macro, not to a module group.
bool isMacroLevelKind(OvMapKind kind) {
    return kind == OvMapGenVar || kind == OvMapPrPlName || kind == OvMapPrPlMaterial ||
           kind == OvMapMemberSectionSize;
}

Acad::ErrorStatus accessGeneralVariable(Tvx_Macro* macro, const Tvx_String& name, Tvx_String& value,
                                        bool reading) {
    if (reading) {
        value = Tvx_String(macro->generalVariableValue(name), kGenVarReadPrecision, false);
        return Acad::eOk;
    }
    double number = 0.0;
    return numberFromValue(value, number) && macro->setGeneralVariable(name, number)
               ? Acad::eOk
               : Acad::eInvalidInput;
}

Acad::ErrorStatus baseProfileSection(const Tvx_DbMacro* dbMacro, const Tvx_String& profText,
                                     AcDbObjectId& profileId, Tvx_String& section,
                                     AcTransaction* transaction) {
    int number = 0;
    if (!baseProfileNumber(profText, number) ||
        getBaseProf(dbMacro, number, profileId) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    return getSectionName(profileId, section, transaction);
}

// Kinds 12, 13 and 15: read-only facts of a base profile.
Acad::ErrorStatus readBaseProfile(const OvObjectMap& object, const Tvx_DbMacro* dbMacro,
                                  Tvx_String& value, AcTransaction* transaction) {
    AcDbObjectId profileId;
    Tvx_String section;
    if (object.kind == OvMapMemberSectionSize) {
        const Tvx_String columnText = object.objName.getSubstrAfter(L";", false);
        if (!columnText.isNumber() ||
            baseProfileSection(dbMacro, object.objName.getSubstrBefore(L";", false), profileId,
                               section, transaction) != Acad::eOk) {
            return Acad::eInvalidInput;
        }
        const int column = columnText.toInt();
        return getSectionValue(section, column, value);
    }
    int number = 0;
    if (!baseProfileNumber(object.objName, number) ||
        getBaseProf(dbMacro, number, profileId) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    return object.kind == OvMapPrPlName ? getSectionName(profileId, value, transaction)
                                        : getMaterial(profileId, value, transaction);
}

// One module of the object's group (object-list mode).
Acad::ErrorStatus accessInModule(const OvObjectMap& object, Tvx_Macro* macro,
                                 const Tvx_String& moduleName, int position, MacroData* macroData,
                                 Tvx_String& value, bool reading, AcTransaction* transaction) {
    Tvx_Module* module = nullptr;
    if (macroData == nullptr || !isValidMapKind(object.kind) || isMacroLevelKind(object.kind) ||
        openModule(macro, moduleName, position, module) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    MacroTabData* tab = findModuleTab(macroData, module);
    if (tab == nullptr) {
        return Acad::eInvalidInput;
    }
    switch (object.kind) {
        case OvMapDistance:
            return accessConstraint(module, tab, object.objName, value, reading);
        case OvMapBoltsDiameter:
        case OvMapBoltsHoleOffset:
            return accessBoltData(tab, object.kind == OvMapBoltsDiameter, value, reading);
        case OvMapPatternNrBolts1:
        case OvMapPatternNrBolts2:
            return getSetNrBolts(tab, object.objName, value, reading,
                                 object.kind == OvMapPatternNrBolts1);
        case OvMapPatternReverseStart1:
        case OvMapPatternReverseStart2:
            return accessReverseStart(module, object.objName,
                                      object.kind == OvMapPatternReverseStart1, value, reading,
                                      transaction);
        case OvMapOwnedMemberName:
            return accessMemberName(tab, object.objName, value, reading);
        default:  // the cut offsets, kinds 3 to 11
            return accessCut(module, object.objName, object.kind - OvMapCutOffset, value, reading);
    }
}

Acad::ErrorStatus accessObject(const OvObjectMap& object, Tvx_DbMacro* dbMacro,
                               MacroData* macroData, Tvx_String& value, bool reading,
                               AcTransaction* transaction) {
    Tvx_Macro* macro = dbMacro != nullptr ? dbMacro->macroWrite() : nullptr;
    if (macro == nullptr || !isValidMapKind(object.kind)) {
        return Acad::eInvalidInput;
    }
    if (object.kind == OvMapGenVar) {
        return accessGeneralVariable(macro, object.objName, value, reading);
    }
    if (isMacroLevelKind(object.kind)) {
        Tvx_String read;
        if (!reading || readBaseProfile(object, dbMacro, read, transaction) != Acad::eOk) {
            return Acad::eInvalidInput;
        }
        value = read;
        return Acad::eOk;
    }
    Tvx_StringArray modules;
    if (getModNamesOfGroup(macro, object.module, modules) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    // A group may mix modules (a plate and a profile module): the value is written into every
    // module that has the object, and the write counts as done when at least one took it.
    bool written = false;
    for (int i = 0; i < modules.length(); ++i) {
        Tvx_String moduleValue = value;
        const Acad::ErrorStatus result = accessInModule(object, macro, modules[i], i, macroData,
                                                        moduleValue, reading, transaction);
        if (reading && result == Acad::eOk) {
            value = moduleValue;
            return Acad::eOk;
        }
        written = written || result == Acad::eOk;
    }
    return !reading && written ? Acad::eOk : Acad::eInvalidInput;
}

}  // namespace

bool baseProfileNumber(const Tvx_String& text, int& number) {
    const Tvx_String prefix = kBaseProfilePrefix;
    const Tvx_String rest = text.mid(prefix.length());
    if (!text.startsWith(prefix, false) || !rest.isNumber()) {
        return false;
    }
    number = rest.toInt();
    return true;
}

Acad::ErrorStatus getObjectMacroValue(const OvObjectMap& object, Tvx_DbMacro* dbMacro,
                                      MacroData* macroData, Tvx_String& value,
                                      AcTransaction* transaction) {
    return accessObject(object, dbMacro, macroData, value, true, transaction);
}

Acad::ErrorStatus setObjectMacroValue(const OvObjectMap& object, Tvx_DbMacro* dbMacro,
                                      MacroData* macroData, const Tvx_String& value,
                                      AcTransaction* transaction) {
    Tvx_String written = value;
    return accessObject(object, dbMacro, macroData, written, false, transaction);
}
