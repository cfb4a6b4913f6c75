// BillFromTsv.cpp - reading a bill from tab-separated text and writing it through OvSSBillOutput.
#include "spread/bill/BillFromTsv.h"

#include "base/AtomicFile.h"
#include "base/Utf8.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "core/TextFile.h"
#include "grid/Delimited.h"
#include "grid/GridTypes.h"
#include "spread/bill/OvSSBillOutput.h"
#include "spread/sheetfiles/SettingsFolder.h"

namespace {

Tvx_String causeText(const Tvx_String& cause) {
    return cause.isEmpty() ? Tvx_String() : L": " + cause;
}

constexpr const wchar_t* kSubTotalMark = L"#subtotal";

Tvx_StringArray toStrings(const std::vector<std::wstring>& fields, std::size_t first) {
    Tvx_StringArray texts;
    for (std::size_t i = first; i < fields.size(); ++i) {
        texts.append(Tvx_String(fields[i]));
    }
    return texts;
}

bool isBlank(const std::vector<std::wstring>& fields) {
    return fields.empty() || (fields.size() == 1 && fields[0].empty());
}

}  // namespace

bool parseBillTsv(const Tvx_String& text, BillTsv& bill, Tvx_String& error) {
    ovgrid::TextTable table;
    std::wstring reason;
    if (!ovgrid::splitDelimited(text.wstr(), L'\t', table, &reason)) {
        error = L"the rows cannot be read: " + Tvx_String(reason);
        return false;
    }
    BillTsv parsed;
    bool haveCaptions = false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::vector<std::wstring>& fields = table[i];
        if (fields.size() > static_cast<std::size_t>(ovgrid::kMaxGridCols)) {
            error = Tvx_String::format(L"line %d has more fields than a sheet has columns (%d)",
                                       static_cast<int>(i + 1), ovgrid::kMaxGridCols);
            return false;
        }
        if (!haveCaptions) {
            parsed.captions = toStrings(fields, 0);
            haveCaptions = true;
            continue;
        }
        if (isBlank(fields)) {
            continue;
        }
        BillTsvLine line;
        line.subTotal = fields[0] == kSubTotalMark;
        line.texts = toStrings(fields, line.subTotal ? 1 : 0);
        parsed.lines.push_back(std::move(line));
    }
    if (!haveCaptions) {
        error = L"the rows file is empty: its first line must hold the column captions";
        return false;
    }
    // Each line may bring a picture row, and the grid grows in steps: keep well inside its limit.
    if (parsed.lines.size() > static_cast<std::size_t>(ovgrid::kMaxGridRows / 2)) {
        error = Tvx_String::format(L"the bill has more rows than a sheet can hold (%d)",
                                   ovgrid::kMaxGridRows / 2);
        return false;
    }
    bill = std::move(parsed);
    return true;
}

bool parseColumnTypes(const Tvx_String& text, Tvx_Array<int>& types, Tvx_String& error) {
    Tvx_Array<int> parsed;
    if (!text.isEmpty()) {
        for (Tvx_String item : strToArr(text, L",")) {
            item.trim();
            // 1, 2 and 3 are the types there are, 0 leaves a column alone; any other number
            // would be stored and then silently do nothing.
            const bool known = item == L"0" || item == L"1" || item == L"2" || item == L"3";
            if (!known) {
                error =
                    L"a column type must be 1 (integer), 2 (one decimal), 3 (text) or 0 (none), "
                    L"not "
                    L"\"" +
                    item + L"\"";
                return false;
            }
            parsed.append(item.toInt());
        }
    }
    types = std::move(parsed);
    return true;
}

BillWriteResult writeBillFromTsv(const Tvx_String& rowsFile, const Tvx_String& sheetFile,
                                 const Tvx_String& settingsName, const Tvx_Array<int>& types,
                                 Tvx_String& message) {
    if (!getExtension(sheetFile).equal(L"ovs", false)) {
        message = L"the output must be an .ovs sheet: " + shownPath(sheetFile);
        return BillWriteResult::BadInput;
    }
    const Tvx_String folder = getFolder(sheetFile);
    if (!folder.isEmpty() && !folderExists(folder)) {
        message = L"the output folder does not exist: " + shownPath(folder);
        return BillWriteResult::BadInput;
    }
    if (!settingsName.isEmpty()) {
        const Tvx_String settingsFile = sheetSettingsFile(settingsName);
        if (settingsFile.isEmpty() || !fileExists(settingsFile)) {
            message = L"no sheet settings \"" + settingsName + L"\" (looked for " +
                      (settingsFile.isEmpty() ? Tvx_String(L"a plain name, not a path")
                                              : shownPath(settingsFile)) +
                      L")";
            return BillWriteResult::BadInput;
        }
    }
    std::string bytes;
    std::wstring readError;
    if (!ovbase::readWholeFile(toFileSystemPath(rowsFile), bytes, &readError)) {
        message = L"cannot read the rows file: " + Tvx_String(readError);
        return BillWriteResult::BadInput;
    }
    if (bytes.find('\0') != std::string::npos) {
        message = L"the rows file " + shownPath(rowsFile) + L" is not a text file";
        return BillWriteResult::BadInput;
    }
    const Tvx_String text(ovbase::decodeTextFile(bytes));
    BillTsv bill;
    Tvx_String error;
    if (!parseBillTsv(text, bill, error)) {
        message = shownPath(rowsFile) + L": " + error;
        return BillWriteResult::BadInput;
    }
    OvSSBillOutput output;
    if (output.init(sheetFile, bill.captions, {}, types, settingsName, {}, {}) != Acad::eOk) {
        message = L"cannot make the sheet for the bill";
        return BillWriteResult::Failed;
    }
    output.onStartFeed();
    for (const BillTsvLine& line : bill.lines) {
        if (line.subTotal) {
            output.onAddSubTotals(line.texts, {}, false, 0);
        } else {
            output.onAddRow(line.texts);
        }
    }
    if (output.onEndFeed() != Acad::eOk) {
        message = L"cannot write the sheet " + shownPath(sheetFile) +
                  causeText(whyNotWritable(sheetFile));
        return BillWriteResult::Failed;
    }
    message = Tvx_String::format(L"wrote %d rows to ", output.getRowCount()) + shownPath(sheetFile);
    return BillWriteResult::Ok;
}
