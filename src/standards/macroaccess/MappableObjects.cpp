// MappableObjects.cpp - listing the mappable objects of a macro.
#include "standards/macroaccess/MappableObjects.h"

#include "core/StringHelpers.h"
#include "core/macro/MacroOperations.h"
#include "core/sections/SectionLookup.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

constexpr int kVisibleSettable = 0;

void addObject(OvSSMapping& mapping, const Tvx_String& module, const Tvx_String& objName,
               OvMapKind kind, int visibility, const Tvx_String& columnName = Tvx_String()) {
    OvObjectMap object;
    object.module = module;
    object.objName = objName;
    object.kind = kind;
    object.visibility = visibility;
    object.columnName = columnName;
    mapping.mappedObjectsWrite().append(object);
}

void addDialogVariables(OvSSMapping& mapping, const Tvx_Module& module, const Tvx_String& group) {
    Tvx_StringArray names;
    std::vector<bool> visible;
    std::vector<bool> settable;
    if (getDialogVariables(&module, names, visible, settable) != Acad::eOk) {
        return;
    }
    for (int i = 0; i < names.length(); ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        const bool isVisible = at < visible.size() && visible[at];
        const bool isSettable = at < settable.size() && settable[at];
        addObject(mapping, group, names[i], OvMapDistance,
                  (isVisible ? 0 : 2) + (isSettable ? 0 : 1));
    }
}

void addCuts(OvSSMapping& mapping, const Tvx_Module& module, const Tvx_String& group) {
    Tvx_StringArray names;
    AcArray<AcDbObjectId> ids;
    if (getCutConstraints(&module, names, ids) != Acad::eOk) {
        return;
    }
    for (int i = 0; i < names.length() && i < ids.length(); ++i) {
        AcArray<OvCutOffsetType> offsets;
        if (getCutOffsets(ids[i], offsets) != Acad::eOk) {
            continue;
        }
        for (OvCutOffsetType offset : offsets) {
            addObject(mapping, group, names[i], mapKindOfCutOffset(offset), kVisibleSettable);
        }
    }
}

void addBoltObjects(OvSSMapping& mapping, const Tvx_Module& module, const Tvx_String& group,
                    AcTransaction* transaction) {
    addObject(mapping, group, Tvx_String(), OvMapBoltsDiameter, kVisibleSettable);
    addObject(mapping, group, Tvx_String(), OvMapBoltsHoleOffset, kVisibleSettable);
    AcArray<AcDbObjectId> patternIds;
    if (getPatternIds(&module, patternIds) != Acad::eOk) {
        return;
    }
    for (const AcDbObjectId& id : patternIds) {
        const Tvx_BoltPattern* pattern = nullptr;
        if (getPattern(id, pattern, transaction) != Acad::eOk || pattern == nullptr) {
            continue;
        }
        addObject(mapping, group, pattern->name, OvMapPatternNrBolts1, kVisibleSettable);
        addObject(mapping, group, pattern->name, OvMapPatternReverseStart1, kVisibleSettable);
        if (pattern->typeCode == kPatternTwoDirections) {
            addObject(mapping, group, pattern->name, OvMapPatternNrBolts2, kVisibleSettable);
            addObject(mapping, group, pattern->name, OvMapPatternReverseStart2, kVisibleSettable);
        }
    }
}

void addPlacedProfiles(OvSSMapping& mapping, const Tvx_Module& module, const Tvx_String& group) {
    const auto* profiles = dynamic_cast<const Tvx_ProfileModule*>(&module);
    if (profiles == nullptr) {
        return;
    }
    for (const Tvx_Profile& profile : profiles->profiles()) {
        if (!profile.memberName.isEmpty()) {
            addObject(mapping, group, profile.memberName, OvMapOwnedMemberName, kVisibleSettable);
        }
    }
}

void addBaseProfiles(OvSSMapping& mapping, const Tvx_DbMacro* dbMacro, AcTransaction* transaction) {
    AcArray<AcDbObjectId> ids;
    if (mapBaseProfIds(dbMacro, ids) != Acad::eOk) {
        return;
    }
    const int kDefaultVisibility = OvObjectMap().visibility;
    for (int i = 0; i < ids.length(); ++i) {
        const Tvx_String prof = append(L"Prof", i);
        addObject(mapping, Tvx_String(), prof, OvMapPrPlName, kDefaultVisibility);
        addObject(mapping, Tvx_String(), prof, OvMapPrPlMaterial, kDefaultVisibility);
        Tvx_String section;
        Tvx_StringArray columns;
        if (getSectionName(ids[i], section, transaction) != Acad::eOk ||
            getSectionColumnNames(section, columns) != Acad::eOk) {
            continue;
        }
        for (int j = 0; j < columns.length(); ++j) {
            addObject(mapping, Tvx_String(), append(prof + L";", j), OvMapMemberSectionSize,
                      kDefaultVisibility, columns[j]);
        }
    }
}

}  // namespace

Acad::ErrorStatus initAllVarsFromMacro(OvSSMapping& mapping, const Tvx_DbMacro* dbMacro,
                                       AcTransaction* transaction) {
    const Tvx_Macro* macro = dbMacro != nullptr ? dbMacro->macro() : nullptr;
    if (macro == nullptr) {
        return Acad::eInvalidInput;
    }
    Tvx_StringArray moduleNames;
    macro->getModuleNames(moduleNames);
    for (const Tvx_String& name : moduleNames) {
        const Tvx_Module* module = macro->findModule(name);
        if (module == nullptr) {
            continue;
        }
        const Tvx_String& group = module->groupKey();
        addDialogVariables(mapping, *module, group);
        addCuts(mapping, *module, group);
        if (module->type() == kBoltModuleType) {
            addBoltObjects(mapping, *module, group, transaction);
        }
        if (module->type() == kProfileModuleType) {
            addPlacedProfiles(mapping, *module, group);
        }
    }
    addBaseProfiles(mapping, dbMacro, transaction);
    Tvx_StringArray generalVariables;
    macro->getGeneralVariables(generalVariables);
    for (const Tvx_String& name : generalVariables) {
        addObject(mapping, Tvx_String(), name, OvMapGenVar, kVisibleSettable);
    }
    return Acad::eOk;
}
