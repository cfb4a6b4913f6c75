// ColumnLetters.cpp - bijective base-26 column letters.
#include "base/ColumnLetters.h"

#include <climits>

namespace ovbase {
namespace {

bool isAsciiLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

}  // namespace

std::wstring columnLetters(int column) {
    std::wstring letters;
    while (column > 0) {
        letters.insert(letters.begin(), static_cast<wchar_t>(L'A' + (column - 1) % 26));
        column = (column - 1) / 26;
    }
    return letters;
}

std::size_t columnLettersLength(std::wstring_view text) {
    std::size_t n = 0;
    while (n < text.size() && isAsciiLetter(text[n])) {
        ++n;
    }
    return n;
}

int columnNumber(std::wstring_view letters) {
    if (letters.empty() || columnLettersLength(letters) != letters.size()) {
        return 0;
    }
    long long column = 0;
    for (wchar_t c : letters) {
        const int digit = (c >= L'a' ? c - L'a' : c - L'A') + 1;
        column = column * 26 + digit;
        if (column > INT_MAX) {
            return 0;
        }
    }
    return static_cast<int>(column);
}

}  // namespace ovbase
