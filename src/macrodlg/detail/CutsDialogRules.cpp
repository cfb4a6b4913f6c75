// CutsDialogRules.cpp - pictures, display names and OK checks of the cuts dialog.
#include "macrodlg/detail/CutsDialogRules.h"

#include "core/Texts.h"
#include "core/Tvx_Settings.h"

namespace {

struct DisplayText {
    const wchar_t* name;
    int text;
    const wchar_t* suffix;
};

constexpr DisplayText kDisplayTexts[] = {
    {L"Offset", 1099, L""},       {L"PolyOffset", 1100, L""},   {L"LengthOffset", 1101, L""},
    {L"CenterOffset", 1102, L""}, {L"InsideOffset", 1103, L""}, {L"OutsideOffset", 1104, L""},
    {L"Offset1", 1104, L"1"},     {L"Offset2", 1104, L"2"},     {L"Radius", 740, L""},
};

}  // namespace

Tvx_StringArray cutKindPictures() {
    return {L"CutProfvsPlate.bmp",         L"CutProfvsProf.bmp", L"CutProfinProf.bmp",
            L"CutProfvsProf3Segments.bmp", L"CutChamfer.bmp",    L"CutFillet.bmp"};
}

Tvx_String cutKindPicturePath(int kind) {
    const Tvx_StringArray pictures = cutKindPictures();
    if (!pictures.isValid(kind - 1)) {
        return {};
    }
    return gSettings.tvxDir + L"icons\\" + pictures[kind - 1];
}

Tvx_String cutVarDisplayName(const Tvx_String& name) {
    for (const DisplayText& entry : kDisplayTexts) {
        if (name == entry.name) {
            return dialString(entry.text) + entry.suffix;
        }
    }
    return name;
}

bool checkCutsRecord(const DlgMacroCutsData& data, CutsRefusal& refusal) {
    Tvx_String name = data.name;
    if (name.trim().isEmpty()) {
        refusal = {dialString(1090), dialString(1091)};
        return true;
    }
    if (data.CutNameInUse(data.name)) {
        refusal = {dialString(1092) + L"\n" + dialString(1093), dialString(1094)};
        return true;
    }
    if (!data.AreVarNamesValid()) {
        refusal = {
            dialString(1095) + L"\n" + dialString(1096) + L" " + dialString(1097) + L" \"gen_\".\n",
            dialString(1098)};
        return true;
    }
    return false;
}
