// UnknownNames.cpp - finding the words of a formula that name nothing.
#include "standards/calc/UnknownNames.h"

#include <cwctype>

namespace {

bool isNameStart(wchar_t ch) {
    return std::iswalpha(static_cast<wint_t>(ch)) != 0 || ch == L'_';
}
bool isNameChar(wchar_t ch) {
    return isNameStart(ch) || std::iswdigit(static_cast<wint_t>(ch)) != 0 || ch == L'.';
}

// A1 reference with optional "$": letters then digits.
bool isCellReference(const std::wstring& word) {
    std::size_t i = 0;
    if (i < word.size() && word[i] == L'$') {
        ++i;
    }
    const std::size_t lettersStart = i;
    while (i < word.size() && std::iswalpha(static_cast<wint_t>(word[i]))) {
        ++i;
    }
    if (i == lettersStart || i - lettersStart > 3) {
        return false;
    }
    if (i < word.size() && word[i] == L'$') {
        ++i;
    }
    const std::size_t digitsStart = i;
    while (i < word.size() && std::iswdigit(static_cast<wint_t>(word[i]))) {
        ++i;
    }
    return i > digitsStart && i == word.size();
}

bool isBooleanWord(const std::wstring& word) {
    const Tvx_String upper = Tvx_String(word).upper();
    return upper == L"TRUE" || upper == L"FALSE";
}

}  // namespace

Tvx_StringArray unknownNames(const Tvx_String& formula) {
    const std::wstring& s = formula.wstr();
    Tvx_StringArray names;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == L'"') {
            const std::size_t close = s.find(L'"', i + 1);
            i = close == std::wstring::npos ? s.size() : close + 1;
            continue;
        }
        const bool startsWord = isNameStart(s[i]) || (s[i] == L'$' && i + 1 < s.size());
        if (!startsWord || (i > 0 && std::iswdigit(static_cast<wint_t>(s[i - 1])))) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < s.size() && (isNameChar(s[end]) || s[end] == L'$')) {
            ++end;
        }
        const std::wstring word = s.substr(i, end - i);
        std::size_t next = end;
        while (next < s.size() && s[next] == L' ') {
            ++next;
        }
        const bool isCall = next < s.size() && s[next] == L'(';
        if (!isCall && !isCellReference(word) && !isBooleanWord(word) && word != L"$") {
            names.appendUnique(Tvx_String(word), true);
        }
        i = end;
    }
    return names;
}
