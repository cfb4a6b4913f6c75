// MacroDetailRecords.cpp - the rules of the cuts dialog record: default variables per cut kind,
// the name-in-use test and the general-variable name check.
#include "core/macro/MacroDetailRecords.h"

#include <cwctype>

namespace {

DlgMacroCutVar var(const wchar_t* name, const wchar_t* value) {
    return DlgMacroCutVar{name, value, false};
}

bool isNameChar(wchar_t ch) {
    return ch == L'_' || (ch < 128 && std::iswalnum(static_cast<wint_t>(ch)) != 0);
}

}  // namespace

Tvx_Array<DlgMacroCutVar> DlgMacroCutsData::GetDefaultValues(int kind) {
    switch (static_cast<OvCutKind>(kind)) {
        case OvCutKind::ProfVsPlate:
            return {var(L"Offset", L"0"), var(L"PolyOffset", L"0")};
        case OvCutKind::ProfVsProf:
            return {var(L"Offset", L"10"), var(L"LengthOffset", L"0")};
        case OvCutKind::ProfInProf:
            return {var(L"InsideOffset", L"10"), var(L"OutsideOffset", L"10")};
        case OvCutKind::ProfVsProf3Segments:
            return {var(L"Offset", L"10"), var(L"LengthOffset", L"0"), var(L"CenterOffset", L"0")};
        case OvCutKind::Chamfer:
            return {var(L"Offset1", L"10"), var(L"Offset2", L"10")};
        case OvCutKind::Fillet:
            return {var(L"Radius", L"10")};
    }
    return {};
}

bool DlgMacroCutsData::CutNameInUse(const Tvx_String& cutName) const {
    return otherCutNames.contains(cutName, false);
}

bool DlgMacroCutsData::AreVarNamesValid() const {
    static const Tvx_String prefix = L"gen_";
    for (const DlgMacroCutVar& v : vars) {
        if (!v.linked) {
            continue;
        }
        if (v.value.length() <= prefix.length() || !v.value.startsWith(prefix, false)) {
            return false;
        }
        for (wchar_t ch : v.value) {
            if (!isNameChar(ch)) {
                return false;
            }
        }
    }
    return true;
}
