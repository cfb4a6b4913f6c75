// Tvx_DesignerControl.cpp - the extended list and the control's keys in a template file.
#include "designer/Tvx_DesignerControl.h"

#include "core/FileSystem.h"
#include "core/StringHelpers.h"
#include "core/TextFile.h"

namespace {

const wchar_t* const kListSeparator = L";";

// Part `index` of the split text, empty when the text has fewer parts.
Tvx_String part(const Tvx_StringArray& parts, int index) {
    return parts.isValid(index) ? parts[index] : Tvx_String();
}

Tvx_String key(const wchar_t* name, int i) {
    return append(Tvx_String(name), i);
}

}  // namespace

Tvx_String Tvx_DesignerControl::getMergedExtComboList() const {
    if (type == DesignerType::kFlexButton) {
        return arrToStr({flexGroup, flexPart2, flexPart3, flexPart4}, kListSeparator);
    }
    if (hasButtonList(type)) {
        return arrToStr({buttonPart1, buttonPart2, buttonPart3, buttonPart4, comboList},
                        kListSeparator);
    }
    return comboList;
}

bool Tvx_DesignerControl::setSplitExtComboList(const Tvx_String& text) {
    if (type == DesignerType::kFlexButton) {
        const Tvx_StringArray parts = strToArr(text, kListSeparator);
        flexGroup = part(parts, 0);
        flexPart2 = part(parts, 1);
        flexPart3 = part(parts, 2);
        flexPart4 = part(parts, 3);
    } else if (hasButtonList(type)) {
        const Tvx_StringArray parts = strToArr(text, kListSeparator);
        buttonPart1 = part(parts, 0);
        buttonPart2 = part(parts, 1);
        buttonPart3 = part(parts, 2);
        buttonPart4 = part(parts, 3);
        comboList = part(parts, 4);
    } else {
        comboList = text;
        buttonPart2.empty();
    }
    return true;
}

void Tvx_DesignerControl::getFromPropList(const Tvx_PropertiesList& list, const int& i) {
    auto readInt = [&list, i](const wchar_t* name) {
        int value = 0;
        list.getProperty(key(name, i), value);
        return value;
    };
    auto readDouble = [&list, i](const wchar_t* name) {
        double value = 0.0;
        list.getProperty(key(name, i), value);
        return value;
    };
    auto readText = [&list, i](const wchar_t* name) {
        Tvx_String value;
        list.getProperty(key(name, i), value);
        return value;
    };
    type = readInt(L"type");
    topLeftX = readDouble(L"topLeftX");
    topLeftY = readDouble(L"topLeftY");
    bottomRightX = readDouble(L"bottomRightX");
    bottomRightY = readDouble(L"bottomRightY");
    contents = readText(L"contents");
    setSplitExtComboList(readText(L"comboList"));
}

void Tvx_DesignerControl::setToPropList(Tvx_PropertiesList& list, const int& i) const {
    list.setProperty(key(L"type", i), type);
    list.setProperty(key(L"topLeftX", i), topLeftX);
    list.setProperty(key(L"topLeftY", i), topLeftY);
    list.setProperty(key(L"bottomRightX", i), bottomRightX);
    list.setProperty(key(L"bottomRightY", i), bottomRightY);
    list.setProperty(key(L"contents", i), contents);
    list.setProperty(key(L"comboList", i), getMergedExtComboList());
}

bool Tvx_DesignerControl::getComboItemsFromFile(Tvx_StringArray& items) const {
    if (comboList.isEmpty() || !fileExists(comboList)) {
        return false;
    }
    return ObjectExportReadFile(comboList, items);
}
