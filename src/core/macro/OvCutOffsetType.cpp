// OvCutOffsetType.cpp - names and file keys of the cut offset types.
#include "core/macro/OvCutOffsetType.h"

namespace {

const wchar_t* const kDisplayNames[kCutOffsetTypeCount] = {
    L"Offset",         L"Poly offset",      L"Length offset",    L"Center offset", L"Inside offset",
    L"Outside offset", L"Chamfer offset 1", L"Chamfer offset 2", L"Radius"};

const wchar_t* const kKeys[kCutOffsetTypeCount] = {
    L"Offset",        L"PolyOffset", L"LengthOffset", L"CenterOffset", L"InsideOffset",
    L"OutsideOffset", L"Offset1",    L"Offset2",      L"Radius"};

}  // namespace

void getOffsetTypeStrings(Tvx_StringArray& names) {
    names.removeAll();
    for (const wchar_t* name : kDisplayNames) {
        names.append(Tvx_String(name));
    }
}

Tvx_String cutOffsetTypeKey(OvCutOffsetType type) {
    return isValidCutOffsetType(type) ? Tvx_String(kKeys[type]) : Tvx_String();
}

bool cutOffsetTypeFromKey(const Tvx_String& key, OvCutOffsetType& type) {
    for (int i = 0; i < kCutOffsetTypeCount; ++i) {
        if (key == kKeys[i]) {
            type = static_cast<OvCutOffsetType>(i);
            return true;
        }
    }
    return false;
}
