// LookupTable.cpp - reading tab-separated lookup tables.
#include "standards/functions/LookupTable.h"

#include "core/StringHelpers.h"
#include "core/TextFile.h"

namespace ovfunctions {

LookupRows parseLookupLines(const Tvx_StringArray& lines) {
    LookupRows rows;
    for (const Tvx_String& line : lines) {
        const int comment = line.find(L"//");
        const Tvx_String content = comment >= 0 ? line.left(comment) : line;
        if (content.isEmpty()) {
            continue;
        }
        rows.append(strToArr(content, L"\t"));
    }
    return rows;
}

bool readLookupTable(const Tvx_String& path, LookupRows& rows) {
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        return false;
    }
    rows = parseLookupLines(lines);
    return true;
}

}  // namespace ovfunctions
