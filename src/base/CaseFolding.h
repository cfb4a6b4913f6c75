// CaseFolding.h - upper and lower case of characters and texts, independent of the process
// locale (towupper follows LC_CTYPE, so a name registered under one locale would not be found
// under another). Covers ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic: the scripts of the
// languages the application ships. Other characters, and letters without a single-character
// counterpart of their own (ß, the Turkish dotted and dotless i), are their own case; final
// sigma upper-cases to Σ, which lower-cases to σ.
#pragma once

#include <string>
#include <string_view>

namespace ovbase {

wchar_t toUpperChar(wchar_t c);
wchar_t toLowerChar(wchar_t c);

std::wstring toUpper(std::wstring_view text);
std::wstring toLower(std::wstring_view text);

// Equal when the texts differ at most in case.
bool equalsIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace ovbase
