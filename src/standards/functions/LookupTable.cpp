// LookupTable.cpp - reading tab-separated lookup tables.
#include "standards/functions/LookupTable.h"

#include "base/Utf8.h"
#include "core/KeptFiles.h"
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

std::shared_ptr<const LookupRows> readLookupTable(const Tvx_String& path) {
    // Tables are looked up many times per calculation: each is read once per file version.
    static KeptFiles<const LookupRows> tables(64, 1'000'000, [](const LookupRows& rows) {
        return static_cast<std::size_t>(rows.length());
    });
    return tables.get(path, [](const std::string& bytes) {
        return std::make_shared<const LookupRows>(
            parseLookupLines(splitLines(Tvx_String(ovbase::decodeTextFile(bytes)))));
    });
}

}  // namespace ovfunctions
