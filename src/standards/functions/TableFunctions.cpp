// TableFunctions.cpp - GETCELL and GETPROFCELL: the value of a lookup-table row found by its key.
#include "core/StringHelpers.h"
#include "standards/functions/CustomFunctions.h"
#include "standards/functions/DataFileSearch.h"
#include "standards/functions/FunctionArgs.h"
#include "standards/functions/LookupTable.h"
#include "standards/functions/SectionNames.h"

namespace ovfunctions {

namespace {

// The key parts after the file name joined with ";": numbers as text with 6 decimals (trailing
// zeros dropped), texts as given; the first argument that is neither ends the key.
Tvx_String buildKey(const SSValue* args, int argCount) {
    Tvx_StringArray parts;
    for (int i = 1; i < argCount; ++i) {
        Tvx_String text;
        double number = 0.0;
        if (getTextArg(args[i], text)) {
            parts.append(text);
        } else if (getNumberArg(args[i], number)) {
            parts.append(Tvx_String(number, 6, false));
        } else {
            break;
        }
    }
    return arrToStr(parts, L";");
}

bool lookUp(SSValue* result, SSValue* args, int argCount, bool keysAreSections) {
    resetResult(result);
    Tvx_String fileName;
    Tvx_String path;
    if (!hasArgs(args, argCount, 2) || !getTextArg(args[0], fileName) ||
        !findDataFile(fileName, path)) {
        return false;
    }
    const std::shared_ptr<const LookupRows> rows = readLookupTable(path);
    if (rows == nullptr || rows->isEmpty()) {
        return false;
    }
    const Tvx_String key = buildKey(args, argCount);
    // The first row whose key (a section's user name read as its system name) is the key.
    for (const Tvx_StringArray& row : *rows) {
        const Tvx_String first = row.isEmpty() ? Tvx_String() : row[0];
        if ((keysAreSections ? systemNameOrSelf(first) : first).equal(key, false)) {
            if (row.length() < 2) {
                return false;
            }
            setTextResult(result, row[1]);
            return true;
        }
    }
    return false;
}

}  // namespace

bool getCell(SSValue* result, SSValue* args, int argCount) {
    return lookUp(result, args, argCount, false);
}

bool getProfCell(SSValue* result, SSValue* args, int argCount) {
    return lookUp(result, args, argCount, true);
}

}  // namespace ovfunctions
