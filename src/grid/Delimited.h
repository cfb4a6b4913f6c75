// Delimited.h - delimiter-separated text (CSV, TSV, the clipboard) with RFC 4180 quoting:
// a field holding the separator, a quote or a line break is quoted, quotes are doubled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ovgrid {

using TextTable = std::vector<std::vector<std::wstring>>;

// Rows end with CR LF.
std::wstring joinDelimited(const TextTable& rows, wchar_t separator);
// Accepts LF, CR LF or CR line ends and a missing final line end. False, with a reason,
// for a quote left open or text after a closing quote.
bool splitDelimited(std::wstring_view text, wchar_t separator, TextTable& rows,
                    std::wstring* error);

}  // namespace ovgrid
