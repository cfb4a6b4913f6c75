// CuttingStockFiles.cpp - set folders, stock file numbering and the set file format.
#include "dialogs/cuttingstock/CuttingStockFiles.h"

#include <cwctype>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "core/TextFile.h"
#include "core/Tvx_Settings.h"

namespace {

// The version line every set file starts with; a later format gets a later number.
constexpr const wchar_t* kHeader = L"ovss cutting stock set";
constexpr int kVersion = 1;
// Cells are joined with U+00BF; a cell that holds it, a backslash or a line break is escaped so
// that any text comes back as it was written.
constexpr wchar_t kSeparator = L'\u00BF';

Tvx_String escapeCell(const Tvx_String& cell) {
    std::wstring out;
    for (wchar_t ch : cell.wstr()) {
        switch (ch) {
            case L'\\':
                out += L"\\\\";
                break;
            case L'\n':
                out += L"\\n";
                break;
            case L'\r':
                out += L"\\r";
                break;
            case kSeparator:
                out += L"\\s";
                break;
            default:
                out += ch;
        }
    }
    return Tvx_String(out);
}

// Splits a line into cells; false for an escape that is not one of ours.
bool splitLine(const Tvx_String& line, Tvx_StringArray& cells) {
    cells.removeAll();
    std::wstring cell;
    const std::wstring& s = line.wstr();
    for (std::size_t i = 0; i < s.size(); ++i) {
        const wchar_t ch = s[i];
        if (ch == kSeparator) {
            cells.append(Tvx_String(cell));
            cell.clear();
        } else if (ch == L'\\') {
            if (i + 1 >= s.size()) {
                return false;
            }
            const wchar_t next = s[++i];
            if (next == L'\\') {
                cell += L'\\';
            } else if (next == L'n') {
                cell += L'\n';
            } else if (next == L'r') {
                cell += L'\r';
            } else if (next == L's') {
                cell += kSeparator;
            } else {
                return false;
            }
        } else {
            cell += ch;
        }
    }
    cells.append(Tvx_String(cell));
    return true;
}

// N of "Stock" N "." extension (any case, as saved names are lowered); -1 for another name.
int stockNumberOf(const Tvx_String& fileName, const Tvx_String& extension) {
    const Tvx_String suffix = L"." + extension;
    if (!fileName.startsWith(L"Stock", false) || !fileName.endsWith(suffix, false)) {
        return -1;
    }
    const Tvx_String digits = fileName.mid(5, fileName.length() - 5 - suffix.length());
    if (digits.isEmpty() || digits.length() > 9) {
        return -1;
    }
    for (wchar_t ch : digits) {
        if (!std::iswdigit(static_cast<wint_t>(ch))) {
            return -1;
        }
    }
    return digits.toInt();
}

}  // namespace

bool isValidSetName(const Tvx_String& name) {
    return isPlainFileName(name);
}

Tvx_String cuttingStockFolder(const Tvx_String& setName) {
    if (!isValidSetName(setName)) {
        return {};
    }
    return gSettings.libDir + L"Cutting Stock\\" + setName + L"\\";
}

Tvx_String newestSetFile(const Tvx_String& folder, const Tvx_String& extension) {
    Tvx_String newest;
    std::int64_t newestTime = 0;
    for (const Tvx_String& path : listFiles(folder, L"*." + extension)) {
        std::int64_t time = 0;
        if (getFileTime(path, time) && (newest.isEmpty() || time > newestTime)) {
            newest = path;
            newestTime = time;
        }
    }
    return newest;
}

int nextStockNumber(const Tvx_String& folder, const Tvx_String& extension) {
    if (extension.length() != 3) {
        return -1;
    }
    int largest = 0;
    for (const Tvx_String& name : listFiles(folder, L"Stock*." + extension, false)) {
        const int number = stockNumberOf(name, extension);
        largest = number > largest ? number : largest;
    }
    return largest + 1;
}

Tvx_String proposedStockName(const Tvx_String& folder, const Tvx_String& extension) {
    const int number = nextStockNumber(folder, extension);
    if (number < 0) {
        return {};
    }
    return L"Stock" + Tvx_String::fromInt(number) + L"." + extension;
}

Tvx_String loweredFileName(const Tvx_String& path) {
    const Tvx_String name = getFileName(path);
    return path.left(path.length() - name.length()) + name.lower();
}

bool writeSetFile(const Tvx_String& path, const Tvx_Array<Tvx_StringArray>& rows,
                  Tvx_String& error) {
    Tvx_StringArray lines;
    lines.append(Tvx_String(kHeader) + L" " + Tvx_String::fromInt(kVersion));
    for (const Tvx_StringArray& row : rows) {
        Tvx_String line;
        for (int c = 0; c < row.length(); ++c) {
            if (c > 0) {
                line += kSeparator;
            }
            line += escapeCell(row[c]);
        }
        lines.append(line);
    }
    if (!ObjectExportWriteFile(path, lines)) {
        error = cannotWriteMessage(path);
        return false;
    }
    return true;
}

bool readSetFile(const Tvx_String& path, Tvx_Array<Tvx_StringArray>& rows, Tvx_String& error) {
    const Tvx_String shown = L"\"" + shownPath(path) + L"\"";
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        error = cannotReadMessage(path);
        return false;
    }
    const Tvx_String expected = Tvx_String(kHeader) + L" ";
    if (lines.isEmpty() || !lines[0].startsWith(expected, true)) {
        error = shown + L", line 1: not a cutting-stock set file (it must start with \"" +
                Tvx_String(kHeader) + L"\").";
        return false;
    }
    const Tvx_String version = lines[0].mid(expected.length());
    if (!version.isNumber() || version.toInt() < 1 || version.toInt() > kVersion) {
        error = shown + L", line 1: version \"" + version +
                L"\" is not one this program reads (up to " + Tvx_String::fromInt(kVersion) + L").";
        return false;
    }
    Tvx_Array<Tvx_StringArray> read;
    for (int i = 1; i < lines.length(); ++i) {
        Tvx_StringArray cells;
        if (!splitLine(lines[i], cells)) {
            error = shown + L", line " + Tvx_String::fromInt(i + 1) +
                    L": a backslash that is not followed by \\, n, r or s.";
            return false;
        }
        read.append(cells);
    }
    rows = read;
    return true;
}
