// ProfileFile.cpp - profile table paths and the language-column rule.
#include "core/sections/ProfileFile.h"

#include "core/StringHelpers.h"

namespace {
const wchar_t* const kProfileExtension = L".pr";
}

bool isValidProfileTableName(const Tvx_String& name) {
    if (name.isEmpty() || hasInvalidFileNameChars(name)) {
        return false;
    }
    Tvx_String base = name;
    if (base.endsWith(kProfileExtension, true)) {
        base = base.left(base.length() - 3);
    }
    return !base.isEmpty() && !(base == L".") && !(base == L"..");
}

Tvx_String profileTablePath(const Tvx_String& libDir, const Tvx_String& name) {
    Tvx_String path = libDir + L"prof\\" + name;
    if (!name.endsWith(kProfileExtension, true)) {
        path += kProfileExtension;
    }
    return path;
}

int countLanguageColumns(const Tvx_StringArray& columnNames, int koreanIndex) {
    const bool korean = columnNames.length() > koreanIndex && columnNames[koreanIndex] == L"Korean";
    return korean ? 5 : 4;
}
