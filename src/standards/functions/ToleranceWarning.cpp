// ToleranceWarning.cpp - the warning shown for tolerances that leave no room for a result.
#include "core/MessageService.h"
#include "core/Tvx_Settings.h"
#include "core/Tvx_String.h"
#include "standards/functions/ToleranceSelection.h"

namespace ovfunctions {

bool warnOnInvalidTolerances(double down, double up) {
    if (down + up > 0.0) {
        return false;
    }
    if (gSettings.current.calcWarnings) {
        const Tvx_String text = Tvx_String(L"Invalid tolerances provided.\n DownTolerance is :") +
                                Tvx_String(down, 2, false) + L"UpTolerance is :" +
                                Tvx_String(up, 2, false) +
                                L"\nAdding both tolerances should result in a positive value.";
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
    return true;
}

}  // namespace ovfunctions
