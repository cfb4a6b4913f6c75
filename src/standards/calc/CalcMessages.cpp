// CalcMessages.cpp - composing and showing the calculation's messages.
#include "standards/calc/CalcMessages.h"

#include "core/MessageService.h"
#include "core/StringHelpers.h"
#include "core/Tvx_Settings.h"

Tvx_String duplicateNamesText(const Tvx_String& ssFile, const Tvx_StringArray& duplicates) {
    return Tvx_String(L"There were duplicate variable names found in the standards file ") +
           ssFile + L".\nThe duplicates will be ignored. Please correct this file.\n" +
           L"Duplicate variable names:\n\n" + arrToStr(duplicates, L"\n");
}

Tvx_String equationFailedText(const Tvx_String& left, const Tvx_String& expression,
                              const Tvx_String& ssFile, int row) {
    Tvx_String text = L"The following equation failed:\n";
    if (!left.isEmpty()) {
        text += left + L" = ";
    }
    text += expression + L"\n" + L"Spreadsheet : " + ssFile + L" (line: " +
            Tvx_String::fromInt(row) + L")\n" + L"Here's a tip for finding the cause :\n" +
            L"If this equation contains variable names, then the translator does not know the "
            L"value of the variable. Make sure the variable exists either in input, output, "
            L"local declarations or among the gen_ variables.";
    return text;
}

void showDuplicateNames(const Tvx_String& ssFile, const Tvx_StringArray& duplicates) {
    ovMessageBox(duplicateNamesText(ssFile, duplicates), kDuplicatesCaption,
                 MB_OK | MB_ICONEXCLAMATION);
}

void warnEquationFailed(const Tvx_String& left, const Tvx_String& expression,
                        const Tvx_String& ssFile, int row) {
    if (gSettings.current.calcWarnings) {
        AfxMessageBox(equationFailedText(left, expression, ssFile, row),
                      MB_OK | MB_ICONEXCLAMATION);
    }
}
