// SmallDialogsData.cpp - what the smaller dialogs decide without a widget: the lookup filter and
// the profile cuts dialog's remembered setting.
#include "dialogs/small/DlgProfCutsData.h"
#include "dialogs/small/OvLookUpDlgData.h"

int gProfCutsBothEndsAlike = 1;

Tvx_StringArray filterLookUpValues(const Tvx_StringArray& values, const Tvx_String& filter) {
    Tvx_String wanted = filter;
    wanted.trim();
    Tvx_StringArray shown;
    for (const Tvx_String& value : values) {
        if (wanted.isEmpty() || value.hasSubString(wanted, false)) {
            shown.append(value);
        }
    }
    return shown;
}
