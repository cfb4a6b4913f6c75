// VarDeclaration.cpp - recognising declaration cells of a standards sheet.
#include "standards/variables/VarDeclaration.h"

namespace {

struct Keyword {
    const wchar_t* text;
    OvValueType type;
};

constexpr Keyword kKeywords[] = {
    {L"Int", OvValueInt},
    {L"Double", OvValueDouble},
    {L"String", OvValueString},
};

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t';
}

// The text after the first blank, blanks around it removed; empty without a blank.
Tvx_String nameAfterFirstBlank(const Tvx_String& text) {
    for (int i = 0; i < text.length(); ++i) {
        if (isBlank(text.getAt(i))) {
            Tvx_String name = text.mid(i + 1);
            name.trim();
            return name;
        }
    }
    return Tvx_String();
}

}  // namespace

bool parseVarDeclaration(const Tvx_String& text, VarDeclaration& declaration) {
    Tvx_String trimmed = text;
    trimmed.trimLeft();
    for (const Keyword& keyword : kKeywords) {
        if (trimmed.startsWith(keyword.text, true)) {
            declaration.valueType = keyword.type;
            declaration.name = nameAfterFirstBlank(trimmed);
            return true;
        }
    }
    return false;
}
