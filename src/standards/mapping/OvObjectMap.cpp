// OvObjectMap.cpp - parsing, composing and comparing one mapped object.
#include "standards/mapping/OvObjectMap.h"

Acad::ErrorStatus OvObjectMap::getMappingFromStrs(const Tvx_String& ssVarIn,
                                                  const Tvx_String& mappingText) {
    const int separator = mappingText.find(kMapModuleSeparator);
    if (separator < 0) {
        return Acad::eInvalidInput;
    }
    Tvx_String rest = mappingText.mid(separator + 1);
    rest.trimLeft();
    OvMapKind parsedKind = OvMapNone;
    if (!mapKindFromText(rest, parsedKind)) {
        return Acad::eInvalidInput;
    }
    module = mappingText.left(separator);
    kind = parsedKind;
    objName = rest.getSubstrAfter(L" ", false);
    ssVar = ssVarIn;
    return Acad::eOk;
}

Acad::ErrorStatus OvObjectMap::setMappingToStrs(Tvx_String& mappingText,
                                                Tvx_String& ssVarOut) const {
    const Tvx_String keyword = mapKindKeyword(kind);
    if (keyword.isEmpty()) {
        return Acad::eInvalidInput;
    }
    mappingText = module + kMapModuleSeparator + keyword + L" " + objName;
    ssVarOut = ssVar;
    return Acad::eOk;
}

Acad::ErrorStatus OvObjectMap::mapFromArrays(const Tvx_StringArray& ssVarNames,
                                             const Tvx_StringArray& mappingTexts,
                                             const Tvx_String& cellName) {
    const int index = ssVarNames.find(cellName, false);
    if (index < 0 || !mappingTexts.isValid(index)) {
        return Acad::eInvalidInput;
    }
    return getMappingFromStrs(cellName, mappingTexts[index]);
}

Acad::ErrorStatus OvObjectMap::isCompatible(const OvObjectMap& other) const {
    const bool same = module.equal(other.module, false) && objName.equal(other.objName, false) &&
                      kind == other.kind;
    return same ? Acad::eOk : Acad::eInvalidInput;
}
