// WholeWordReplace.cpp - the whole-word replacement rule of the standards calculation.
#include "standards/calc/WholeWordReplace.h"

#include <algorithm>

#include "core/StringHelpers.h"

namespace {

// Bounds the work on pathological texts; no real equation comes near it.
constexpr long kMaxOccurrencesPerName = 99999999;

bool isWordChar(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9') ||
           ch == L'_';
}

}  // namespace

bool replaceWholeWord(Tvx_String& text, const Tvx_String& name, const Tvx_String& value,
                      bool quote) {
    if (name.isEmpty()) {
        return false;
    }
    const std::wstring inserted =
        quote && !isNumber(value) ? L"\"" + value.wstr() + L"\"" : value.wstr();
    std::wstring& s = text.wstr();
    const std::wstring& word = name.wstr();
    bool replaced = false;
    std::size_t pos = 0;
    for (long examined = 0; examined < kMaxOccurrencesPerName; ++examined) {
        pos = s.find(word, pos);
        if (pos == std::wstring::npos) {
            break;
        }
        const std::size_t after = pos + word.size();
        const bool startsWord = pos == 0 || !isWordChar(s[pos - 1]);
        const bool endsWord = after >= s.size() || !isWordChar(s[after]);
        if (startsWord && endsWord) {
            s.replace(pos, word.size(), inserted);
            pos += inserted.size();
            replaced = true;
        } else {
            pos = after;
        }
    }
    return replaced;
}

bool replaceWholeWords(Tvx_String& text, const Tvx_StringArray& names,
                       const Tvx_StringArray& values, bool quote) {
    const int count = std::min(names.length(), values.length());
    bool replaced = false;
    for (int i = 0; i < count; ++i) {
        replaced = replaceWholeWord(text, names[i], values[i], quote) || replaced;
    }
    return replaced;
}
