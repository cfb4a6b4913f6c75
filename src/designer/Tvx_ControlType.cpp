// Tvx_ControlType.cpp - the control type table: one row per type, in type order.
#include "designer/Tvx_ControlType.h"

#include <array>

#include "core/Texts.h"

namespace {

using Kind = Tvx_ControlKind;

struct TypeRow {
    Kind kind;
    int typeText;                   // dialog text of the type list; 0 = composed (types 4 and 5)
    int contentsLabel;              // 0 = none
    std::array<int, 4> listLabels;  // 0-terminated; all 0 = none
};

// clang-format off
constexpr std::array<TypeRow, DesignerType::kCount> kTypes{{
    {Kind::Static,   799,  827, {1403}},
    {Kind::Button,   800,  827, {1403}},
    {Kind::Edit,     801,  828, {}},
    {Kind::Combobox, 802,  828, {833}},
    {Kind::Edit,     0,    829, {}},
    {Kind::Edit,     0,    829, {}},
    {Kind::Button,   804,  829, {}},
    {Kind::Combobox, 805,  0,   {}},
    {Kind::Edit,     806,  0,   {}},
    {Kind::Edit,     807,  0,   {}},
    {Kind::Edit,     808,  0,   {}},
    {Kind::Edit,     809,  0,   {}},
    {Kind::Button,   810,  0,   {}},
    {Kind::Combobox, 811,  830, {}},
    {Kind::Button,   812,  830, {}},
    {Kind::Combobox, 813,  830, {}},
    {Kind::Combobox, 814,  830, {}},
    {Kind::Button,   815,  830, {}},
    {Kind::Edit,     816,  831, {}},
    {Kind::Edit,     817,  831, {}},
    {Kind::Edit,     818,  831, {}},
    {Kind::Edit,     819,  831, {}},
    {Kind::Edit,     820,  831, {}},
    {Kind::Edit,     821,  831, {834}},
    {Kind::Button,   822,  831, {}},
    {Kind::Button,   823,  827, {1316, 1317, 1318, 1319}},
    {Kind::Button,   1315, 827, {1316, 1317, 1320, 1319}},
    {Kind::Combobox, 1341, 0,   {1342}},
    {Kind::Combobox, 1404, 1406, {}},
    {Kind::Button,   1405, 827, {828}},
    {Kind::Button,   1428, 1429, {705, 1430, 1431}},
}};
// clang-format on

constexpr int kBoltCountTypeText = 803;  // followed by " 1: " or " 2: " and core text 2220
constexpr int kBoltCountCoreText = 2220;

const TypeRow* row(Tvx_ControlType type) {
    return isValidControlType(type) ? &kTypes[static_cast<std::size_t>(type)] : nullptr;
}

}  // namespace

bool isValidControlType(Tvx_ControlType type) {
    return type >= 0 && type < DesignerType::kCount;
}

Tvx_ControlKind getControlKind(Tvx_ControlType type) {
    const TypeRow* r = row(type);
    return r ? r->kind : Kind::Scrollbar;
}

const wchar_t* getControlKindClassName(Tvx_ControlKind kind) {
    switch (kind) {
        case Kind::Scrollbar:
            return L"SCROLLBAR";
        case Kind::Static:
            return L"STATIC";
        case Kind::Button:
            return L"BUTTON";
        case Kind::Edit:
            return L"EDIT";
        case Kind::Listbox:
            return L"LISTBOX";
        case Kind::Combobox:
            return L"COMBOBOX";
    }
    return L"";
}

int getControlTypeTextNumber(Tvx_ControlType type) {
    const TypeRow* r = row(type);
    if (!r) {
        return 0;
    }
    return r->typeText != 0 ? r->typeText : kBoltCountTypeText;
}

Tvx_String getControlTypeText(Tvx_ControlType type) {
    if (type == DesignerType::kBoltCount1 || type == DesignerType::kBoltCount2) {
        const wchar_t* digit = type == DesignerType::kBoltCount1 ? L"1" : L"2";
        return dialString(kBoltCountTypeText) + L" " + digit + L": " + string(kBoltCountCoreText);
    }
    const int number = getControlTypeTextNumber(type);
    return number != 0 ? dialString(number) : Tvx_String();
}

int getContentsLabelNumber(Tvx_ControlType type) {
    const TypeRow* r = row(type);
    return r ? r->contentsLabel : 0;
}

Tvx_String getContentsLabel(Tvx_ControlType type) {
    const int number = getContentsLabelNumber(type);
    return number != 0 ? dialString(number) : Tvx_String();
}

Tvx_Array<int> getListLabelNumbers(Tvx_ControlType type) {
    Tvx_Array<int> numbers;
    if (const TypeRow* r = row(type)) {
        for (int number : r->listLabels) {
            if (number == 0) {
                break;
            }
            numbers.append(number);
        }
    }
    return numbers;
}

Tvx_String getListLabel(Tvx_ControlType type) {
    Tvx_String label;
    const Tvx_Array<int> numbers = getListLabelNumbers(type);
    for (int i = 0; i < numbers.length(); ++i) {
        if (i > 0) {
            label += L";";
        }
        label += dialString(numbers[i]);
    }
    return label;
}

bool hasListLabel(Tvx_ControlType type) {
    return !getListLabelNumbers(type).isEmpty();
}

bool isComboPtrType(Tvx_ControlType type) {
    return type == 3 || type == 13 || type == 15 || type == 16;
}

bool hasButtonList(Tvx_ControlType type) {
    return type == DesignerType::kListButton || type == DesignerType::kListButton2;
}
