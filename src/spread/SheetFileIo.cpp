// SheetFileIo.cpp - sheet files by extension and A1 cell names.
#include "spread/SheetFileIo.h"

#include "base/CaseFolding.h"
#include "base/ColumnLetters.h"
#include "grid/GridCsv.h"

SheetFileFormat sheetFileFormatOf(const std::filesystem::path& path) {
    const std::wstring ext = ovbase::toLower(path.extension().wstring());
    if (ext == L".ovs")
        return SheetFileFormat::Ovs;
    if (ext == L".csv")
        return SheetFileFormat::Csv;
    if (ext == L".tsv")
        return SheetFileFormat::Tsv;
    return SheetFileFormat::Unknown;
}

namespace {
bool unknownFormat(const std::filesystem::path& path, std::wstring* error) {
    if (error) {
        *error = L"unknown sheet file type \"" + path.extension().wstring() +
                 L"\" (use .ovs, .csv or .tsv)";
    }
    return false;
}
}  // namespace

bool loadSheetFile(ovgrid::Grid& grid, const std::filesystem::path& path, std::wstring* error) {
    switch (sheetFileFormatOf(path)) {
        case SheetFileFormat::Ovs:
            return grid.loadFromFile(path, error);
        case SheetFileFormat::Csv:
            return ovgrid::importDelimitedFile(grid, path, L',', error);
        case SheetFileFormat::Tsv:
            return ovgrid::importDelimitedFile(grid, path, L'\t', error);
        default:
            return unknownFormat(path, error);
    }
}

bool saveSheetFile(const ovgrid::Grid& grid, const std::filesystem::path& path,
                   std::wstring* error) {
    switch (sheetFileFormatOf(path)) {
        case SheetFileFormat::Ovs:
            return grid.saveToFile(path, 0, error);
        case SheetFileFormat::Csv:
            return ovgrid::exportDelimitedFile(grid, path, L',', error);
        case SheetFileFormat::Tsv:
            return ovgrid::exportDelimitedFile(grid, path, L'\t', error);
        default:
            return unknownFormat(path, error);
    }
}

std::wstring cellName(int col, int row) {
    return ovbase::columnLetters(col) + std::to_wstring(row);
}

bool parseCellName(std::wstring_view text, int& col, int& row) {
    col = row = 0;
    std::size_t i = 0;
    if (i < text.size() && text[i] == L'$')
        ++i;
    const std::size_t letters = ovbase::columnLettersLength(text.substr(i));
    const int c = ovbase::columnNumber(text.substr(i, letters));
    if (c == 0 || c > ovgrid::kMaxGridCols)
        return false;
    i += letters;
    if (i < text.size() && text[i] == L'$')
        ++i;
    long long r = 0;
    const std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= L'0' && text[i] <= L'9') {
        r = r * 10 + (text[i] - L'0');
        if (r > ovgrid::kMaxGridRows)
            return false;
        ++i;
    }
    if (i == digitsStart || i != text.size() || r < 1)
        return false;
    col = c;
    row = static_cast<int>(r);
    return true;
}

std::wstring tsvField(std::wstring_view text) {
    if (text.find_first_of(L"\t\"\r\n") == std::wstring_view::npos) {
        return std::wstring(text);
    }
    std::wstring quoted = L"\"";
    for (wchar_t ch : text) {
        quoted += ch;
        if (ch == L'"')
            quoted += L'"';
    }
    return quoted + L"\"";
}
