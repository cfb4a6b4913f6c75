// OvMapKind.cpp - the table of map kinds: keywords and value types.
#include "standards/mapping/OvMapKind.h"

#include <iterator>

namespace {

struct KindInfo {
    const wchar_t* keyword;
    OvValueType type;
};

// Indexed by OvMapKind.
const KindInfo kKinds[kMapKindCount] = {
    {L"", OvValueString},
    {L"Distance", OvValueDouble},
    {L"GenVar", OvValueDouble},
    {L"CutOffset", OvValueDouble},
    {L"CutPolyOffset", OvValueDouble},
    {L"CutLengthOffset", OvValueDouble},
    {L"CutCenterOffset", OvValueDouble},
    {L"CutInsideOffset", OvValueDouble},
    {L"CutOutsideOffset", OvValueDouble},
    {L"CutChamferOffset1", OvValueDouble},
    {L"CutChamferOffset2", OvValueDouble},
    {L"CutRadius", OvValueDouble},
    {L"PrPlName", OvValueString},
    {L"PrPlMaterial", OvValueString},
    {L"OwnedMemberName", OvValueString},
    {L"MemberSectionSize", OvValueDouble},
    {L"PatternNrBolts1", OvValueString},
    {L"PatternNrBolts2", OvValueString},
    {L"PatternReverseStart1", OvValueInt},
    {L"PatternReverseStart2", OvValueInt},
    {L"BoltsDiameter", OvValueDouble},
    {L"BoltsHoleOffset", OvValueDouble},
};

// The order in which keywords are tried when a mapping text is parsed.
const OvMapKind kParseOrder[] = {
    OvMapDistance,
    OvMapGenVar,
    OvMapCutOffset,
    OvMapCutPolyOffset,
    OvMapCutLengthOffset,
    OvMapCutCenterOffset,
    OvMapCutInsideOffset,
    OvMapCutOutsideOffset,
    OvMapCutChamferOffset1,
    OvMapCutChamferOffset2,
    OvMapCutRadius,
    OvMapPatternNrBolts1,
    OvMapPatternNrBolts2,
    OvMapPatternReverseStart1,
    OvMapPatternReverseStart2,
    OvMapPrPlName,
    OvMapPrPlMaterial,
    OvMapOwnedMemberName,
    OvMapMemberSectionSize,
    OvMapBoltsDiameter,
    OvMapBoltsHoleOffset,
};

const wchar_t* const kVisibilityNames[kVisibilityCount] = {
    L"Zichtbaar en instelbaar",
    L"Zichtbaar niet instelbaar",
    L"Onzichtbaar en instelbaar",
    L"Onzichtbaar niet instelbaar",
};

}  // namespace

bool isValidMapKind(OvMapKind kind) {
    return kind > OvMapNone && kind < kMapKindCount;
}

Tvx_String mapKindKeyword(OvMapKind kind) {
    return isValidMapKind(kind) ? Tvx_String(kKinds[kind].keyword) : Tvx_String();
}

bool mapKindValueType(OvMapKind kind, OvValueType& type) {
    if (!isValidMapKind(kind)) {
        return false;
    }
    type = kKinds[kind].type;
    return true;
}

bool mapKindFromText(const Tvx_String& text, OvMapKind& kind) {
    Tvx_String rest = text;
    rest.trimLeft();
    for (OvMapKind candidate : kParseOrder) {
        if (rest.startsWith(kKinds[candidate].keyword, true)) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

OvMapKind mapKindOfCutOffset(int cutOffsetType) {
    if (cutOffsetType < 0 || cutOffsetType > OvMapCutRadius - OvMapCutOffset) {
        return OvMapNone;
    }
    return static_cast<OvMapKind>(OvMapCutOffset + cutOffsetType);
}

Tvx_String visibilityName(int visibility) {
    if (visibility < 0 || visibility >= kVisibilityCount) {
        return Tvx_String();
    }
    return kVisibilityNames[visibility];
}

Tvx_String visibilityHeader(int visibility) {
    return Tvx_String(L"------ ") + visibilityName(visibility) + L" ------";
}
