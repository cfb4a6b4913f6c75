// UnknownNames.cpp - finding the words of a formula that name nothing.
#include "standards/calc/UnknownNames.h"

#include "base/ColumnLetters.h"

namespace {

// The formula lexer's rules (grid/formula/Lexer.cpp), independent of the process locale: any
// character beyond ASCII may be part of a name.
bool isDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}
bool isNameStart(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || ch == L'_' || ch >= 0x80;
}
bool isNameChar(wchar_t ch) {
    return isNameStart(ch) || isDigit(ch) || ch == L'.';
}

// A1 reference with optional "$": letters then digits.
bool isCellReference(const std::wstring& word) {
    std::size_t i = 0;
    if (i < word.size() && word[i] == L'$') {
        ++i;
    }
    const std::size_t letters = ovbase::columnLettersLength(std::wstring_view(word).substr(i));
    if (letters == 0 || letters > 3) {
        return false;
    }
    i += letters;
    if (i < word.size() && word[i] == L'$') {
        ++i;
    }
    const std::size_t digitsStart = i;
    while (i < word.size() && isDigit(word[i])) {
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
        if (!startsWord || (i > 0 && isDigit(s[i - 1]))) {
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
