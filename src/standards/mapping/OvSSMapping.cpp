// OvSSMapping.cpp - the object list of a mapping: searches, comparisons, grouping and the parsing
// of one file line.
#include "standards/mapping/OvSSMapping.h"

#include "core/StringHelpers.h"
#include "host/HostServices.h"
#include "standards/mapping/MappingLine.h"

Acad::ErrorStatus OvSSMapping::initFromModuleGroup(const Tvx_String& group) {
    if (group.isEmpty()) {
        return Acad::eInvalidInput;
    }
    mode_ = ModeModuleGroup;
    return Acad::eOk;
}

Acad::ErrorStatus OvSSMapping::findSSVar(const Tvx_String& name, OvValueType valueType,
                                         int& index) const {
    for (int i = 0; i < objects_.length(); ++i) {
        OvValueType type = OvValueString;
        if (objects_[i].valueType(type) && type == valueType &&
            objects_[i].ssVar.equal(name, false)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus OvSSMapping::getValidVars(bool /*flag*/, OvValueType valueType,
                                            Tvx_Array<int>& indices) const {
    indices.removeAll();
    const bool wantNumeric = isNumericValueType(valueType);
    for (int i = 0; i < objects_.length(); ++i) {
        OvValueType type = OvValueString;
        if (objects_[i].valueType(type) && isNumericValueType(type) == wantNumeric) {
            indices.append(i);
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus OvSSMapping::sortValidVars(Tvx_Array<int>& indices,
                                             const Tvx_Array<int>& visibilityOrder) const {
    if (visibilityOrder.isEmpty()) {
        return Acad::eInvalidInput;
    }
    const int lastGroup = visibilityOrder.length() - 1;
    Tvx_Array<Tvx_Array<int>> groups;
    groups.setLogicalLength(visibilityOrder.length());
    for (int index : indices) {
        const int visibility = objects_.isValid(index) ? objects_[index].visibility : -1;
        const int group = visibilityOrder.find(visibility);
        groups[group < 0 ? lastGroup : group].append(index);
    }
    Tvx_Array<int> sorted;
    for (const Tvx_Array<int>& group : groups) {
        sorted.append(-1);
        sorted.append(group);
    }
    indices = sorted;
    return Acad::eOk;
}

Acad::ErrorStatus OvSSMapping::findCompatible(const OvObjectMap& objectMap, int& index) const {
    for (int i = 0; i < objects_.length(); ++i) {
        if (objects_[i].isCompatible(objectMap) == Acad::eOk) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus OvSSMapping::isCompatible(const OvSSMapping& other, int& count) const {
    count = 0;
    int unused = 0;
    for (const OvObjectMap& object : objects_) {
        if (other.findCompatible(object, unused) != Acad::eOk) {
            ++count;
        }
    }
    return Acad::eOk;
}

bool OvSSMapping::isEqual(const OvSSMapping& other) const {
    for (const OvObjectMap& object : objects_) {
        OvValueType type = OvValueString;
        int index = -1;
        if (!object.valueType(type) || other.findSSVar(object.ssVar, type, index) != Acad::eOk ||
            other.objects_[index].isCompatible(object) != Acad::eOk) {
            return false;
        }
    }
    return true;
}

Acad::ErrorStatus OvSSMapping::initMappingFromLine(const Tvx_String& line) {
    Tvx_String entriesText;
    if (!mappingLineEntries(line, entriesText)) {
        return Acad::eInvalidInput;
    }
    objects_.removeAll();
    for (const Tvx_String& entry : splitMappingEntries(entriesText)) {
        Tvx_String ssVar;
        Tvx_String mappingText;
        OvObjectMap object;
        if (splitMappingEntry(entry, ssVar, mappingText) &&
            object.getMappingFromStrs(ssVar, mappingText) == Acad::eOk) {
            objects_.append(object);
        }
    }
    return Acad::eOk;
}

void OvSSMapping::dump() const {
    acutPrintf(L"---Mapping---\n");
    for (const OvObjectMap& object : objects_) {
        acutPrintf(L"SSVar: %s Module: %s ObjName: %s \n", object.ssVar.c_str(),
                   object.module.c_str(), object.objName.c_str());
    }
    acutPrintf(L"---Mapping end---\n\n");
}
