// BillSheetVars.cpp - date, title and file name of a bill sheet.
#include "spread/bill/BillSheetVars.h"

#include <array>

#include "core/Paths.h"

namespace {
constexpr wchar_t kTitleMark = L'\u00BF';  // "¿" separates a bill's prefix from its title
}

Tvx_String billTitleOf(const Tvx_String& outputFile) {
    const Tvx_String name = removeExtension(getFileName(outputFile));
    const int mark = name.reverseFind(kTitleMark);
    return mark < 0 ? name : name.mid(mark + 1);
}

Tvx_String billDateText(std::time_t time) {
    static constexpr std::array<const wchar_t*, 12> kMonths{
        L"January", L"February", L"March",     L"April",   L"May",      L"June",
        L"July",    L"August",   L"September", L"October", L"November", L"December"};
    std::tm local{};
    if (!localtime_r(&time, &local) || local.tm_mon < 0 || local.tm_mon > 11) {
        return Tvx_String();
    }
    // The month is spelled out here rather than by "%B", which would follow the process locale
    // (Qt sets it) and make the same bill read differently on different machines.
    return Tvx_String::format(L"%02d %s, %d (%02d:%02d)", local.tm_mday, kMonths[local.tm_mon],
                              local.tm_year + 1900, local.tm_hour, local.tm_min);
}

void billSheetVars(const Tvx_String& outputFile, std::time_t time, const Tvx_StringArray& names,
                   const Tvx_StringArray& values, Tvx_StringArray& outNames,
                   Tvx_StringArray& outValues) {
    outNames = Tvx_StringArray{L"Date", L"Title", L"BillFilename"};
    outValues = Tvx_StringArray{billDateText(time), billTitleOf(outputFile), outputFile};
    outNames.append(names);
    outValues.append(values);
}
