// CaseFolding.h - upper/lower case of single characters, independent of the process locale.
// Covers ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic: the scripts of the languages the
// application ships. Other characters are their own case.
#pragma once

namespace ovcore {

wchar_t toUpperChar(wchar_t c);
wchar_t toLowerChar(wchar_t c);

}  // namespace ovcore
