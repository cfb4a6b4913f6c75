// TableFile.cpp - table files with escaped TAB-separated records.
#include "core/TableFile.h"

#include "base/Utf8.h"
#include "core/AtomicFile.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "core/TextFile.h"

namespace {
const wchar_t* const kHeader = L"#ovss-table 1";
const wchar_t* const kSingleEmptyField = L"\\e";
}  // namespace

Tvx_String escapeField(const Tvx_String& field) {
    std::wstring out;
    out.reserve(field.wstr().size());
    for (wchar_t c : field.wstr()) {
        switch (c) {
            case L'\\':
                out += L"\\\\";
                break;
            case L'\t':
                out += L"\\t";
                break;
            case L'\n':
                out += L"\\n";
                break;
            case L'\r':
                out += L"\\r";
                break;
            default:
                out += c;
        }
    }
    return Tvx_String(std::move(out));
}

bool unescapeField(const Tvx_String& text, Tvx_String& field) {
    std::wstring out;
    const std::wstring& s = text.wstr();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != L'\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) {
            return false;
        }
        switch (s[i]) {
            case L'\\':
                out += L'\\';
                break;
            case L't':
                out += L'\t';
                break;
            case L'n':
                out += L'\n';
                break;
            case L'r':
                out += L'\r';
                break;
            default:
                return false;
        }
    }
    field = Tvx_String(std::move(out));
    return true;
}

Tvx_String encodeTable(const Tvx_TableRecords& rows) {
    std::wstring text = kHeader;
    text += L'\n';
    for (const auto& row : rows) {
        if (row.length() == 1 && row[0].isEmpty()) {
            text += kSingleEmptyField;
        } else {
            for (int i = 0; i < row.length(); ++i) {
                if (i > 0) {
                    text += L'\t';
                }
                text += escapeField(row[i]).wstr();
            }
        }
        text += L'\n';
    }
    return Tvx_String(std::move(text));
}

bool decodeTable(const Tvx_String& text, Tvx_TableRecords& rows) {
    // Our writer only emits "\n"; a "\r" can only come from an editor and ends the line too.
    const Tvx_StringArray lines = splitLines(text);
    if (lines.isEmpty() || lines[0] != Tvx_String(kHeader)) {
        return false;
    }
    Tvx_TableRecords records;
    for (int i = 1; i < lines.length(); ++i) {
        Tvx_StringArray record;
        if (lines[i] == kSingleEmptyField) {
            record.append(Tvx_String());
        } else if (!lines[i].isEmpty()) {
            for (const auto& raw : strToArr(lines[i], L"\t")) {
                Tvx_String field;
                if (!unescapeField(raw, field)) {
                    return false;
                }
                record.append(field);
            }
        }
        records.append(std::move(record));
    }
    rows = std::move(records);
    return true;
}

bool readFile(const Tvx_String& path, Tvx_String& typeName, Tvx_TableRecords& rows) {
    Tvx_String text;
    Tvx_TableRecords records;
    if (!readTextFile(path, text) || !decodeTable(text, records)) {
        return false;
    }
    rows = std::move(records);
    typeName = removeExtension(getFileName(path));
    return true;
}

bool readFile(const Tvx_String& path, Tvx_TableRecords& rows) {
    Tvx_String typeName;
    return readFile(path, typeName, rows);
}

bool writeFile(const Tvx_String& path, const Tvx_TableRecords& rows) {
    return atomicWriteFile(path, ovbase::toUtf8(encodeTable(rows).wstr()));
}
