// Delimited.cpp - writing and reading RFC 4180 style delimited text.
#include "grid/Delimited.h"

namespace ovgrid {

std::wstring joinDelimited(const TextTable& rows, wchar_t separator) {
    std::wstring out;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                out.push_back(separator);
            }
            const std::wstring& field = row[i];
            bool quote = field.find_first_of(std::wstring{separator, L'"', L'\r', L'\n'}) !=
                         std::wstring::npos;
            if (!quote) {
                out += field;
                continue;
            }
            out.push_back(L'"');
            for (wchar_t c : field) {
                if (c == L'"') {
                    out.push_back(L'"');
                }
                out.push_back(c);
            }
            out.push_back(L'"');
        }
        out += L"\r\n";
    }
    return out;
}

bool splitDelimited(std::wstring_view text, wchar_t separator, TextTable& rows,
                    std::wstring* error) {
    rows.clear();
    std::vector<std::wstring> row;
    std::wstring field;
    std::size_t i = 0;
    std::size_t line = 1;
    bool quoted = false;
    auto endRow = [&] {
        quoted = false;
        row.push_back(std::move(field));
        field.clear();
        rows.push_back(std::move(row));
        row.clear();
    };
    while (i < text.size()) {
        wchar_t c = text[i];
        if (c == L'"' && field.empty()) {
            // A quoted field runs to the next single quote.
            ++i;
            bool closed = false;
            while (i < text.size()) {
                if (text[i] == L'"') {
                    if (i + 1 < text.size() && text[i + 1] == L'"') {
                        field.push_back(L'"');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                if (text[i] == L'\n') {
                    ++line;
                }
                field.push_back(text[i++]);
            }
            if (!closed) {
                if (error) {
                    *error = L"a quoted field is not closed (line " + std::to_wstring(line) + L")";
                }
                return false;
            }
            if (i < text.size() && text[i] != separator && text[i] != L'\r' && text[i] != L'\n') {
                if (error) {
                    *error = L"text follows a closing quote (line " + std::to_wstring(line) + L")";
                }
                return false;
            }
            quoted = true;  // an empty quoted field at the very end is still a field
            continue;
        }
        if (c == separator) {
            row.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (c == L'\r' || c == L'\n') {
            endRow();
            ++line;
            i += (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ? 2 : 1;
        } else {
            field.push_back(c);
            ++i;
        }
    }
    if (!field.empty() || !row.empty() || quoted) {
        endRow();
    }
    return true;
}

}  // namespace ovgrid
