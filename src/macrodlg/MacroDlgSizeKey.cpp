// MacroDlgSizeKey.cpp - the dialog-size key of a macro parameter dialog.
#include "macrodlg/MacroDlgSizeKey.h"

Tvx_String macroDlgSizeKey(const MacroData& data) {
    Tvx_String key = L"DLG_MACRO_EDITVARS_";
    if (data.selectedIds.length() != 1) {
        if (data.currentGroup >= 0 && data.currentGroup < data.groupKeys.length()) {
            key += L"GROUP_" + data.groupKeys[data.currentGroup];
        } else {
            key += Tvx_String::fromInt(data.selectedIds.length()) + L"_MACROS";
        }
    } else if (!data.macroNames.isEmpty()) {
        key += data.macroNames[0];
    }
    return key;
}
