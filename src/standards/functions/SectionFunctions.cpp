// SectionFunctions.cpp - SECTIONSIZE and GETSYSNAME over the library's section tables.
#include <climits>

#include "core/sections/SectionLookup.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "standards/functions/CustomFunctions.h"
#include "standards/functions/FunctionArgs.h"
#include "standards/functions/SectionNames.h"

namespace ovfunctions {

Tvx_String systemNameOrSelf(const Tvx_String& section) {
    Tvx_String systemName;
    if (gSectionTables.getSystemName(section, systemName) != Acad::eOk) {
        return section;
    }
    return systemName;
}

bool sectionSize(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    Tvx_String section;
    double position = 0.0;
    int index = 0;
    if (!hasArgs(args, argCount, 2) || !getTextArg(args[0], section) ||
        !getNumberArg(args[1], position) || !truncateToInt(position, index) || index == INT_MIN) {
        return false;
    }
    Tvx_String value;
    const int columnIndex = index - 1;
    if (getSectionValue(section, columnIndex, value) != Acad::eOk) {
        return false;
    }
    setNumberResult(result, value.toDouble());
    return true;
}

bool getSysName(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    Tvx_String section;
    if (!hasArgs(args, argCount, 1) || !getTextArg(args[0], section)) {
        return false;
    }
    setTextResult(result, systemNameOrSelf(section));
    return true;
}

}  // namespace ovfunctions
