// WholeWordReplace.cpp - the whole-word replacement rule of the standards calculation.
#include "standards/calc/WholeWordReplace.h"

#include <algorithm>

#include "core/StringHelpers.h"

namespace {

// Bounds the work on pathological texts; no real equation comes near it.
constexpr long kMaxOccurrencesPerName = 99999999;

}  // namespace

bool isWholeWordChar(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9') ||
           ch == L'_';
}

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
        const bool startsWord = pos == 0 || !isWholeWordChar(s[pos - 1]);
        const bool endsWord = after >= s.size() || !isWholeWordChar(s[after]);
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

// With plain-word names a name's whole-word matches are exactly the word tokens equal to it,
// so one pass over the tokens does the work of one pass per name.
Tvx_String replaceWholeWordsByLookup(const std::wstring& text,
                                     const std::unordered_map<std::wstring, int>& nameIndex,
                                     const std::vector<std::wstring>& values) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 2);
    std::wstring token;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!isWholeWordChar(text[pos])) {
            out.push_back(text[pos++]);
            continue;
        }
        std::size_t end = pos;
        while (end < text.size() && isWholeWordChar(text[end])) {
            ++end;
        }
        token.assign(text, pos, end - pos);
        int next = 0;  // names before this one have had their turn
        for (;;) {
            const auto found = nameIndex.find(token);
            if (found == nameIndex.end() || found->second < next) {
                break;
            }
            token = values[static_cast<std::size_t>(found->second)];
            next = found->second + 1;
        }
        out += token;
        pos = end;
    }
    return Tvx_String(out);
}
