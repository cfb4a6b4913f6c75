// DlgSizeStore.h - remembered dialog sizes and dialog flags, kept in the registry store under
// HKEY_CURRENT_USER "Software\\Orvane\\ovss\\Dialogs\\<key>" (values "Width", "Height" and the
// flags by name). The dialog layer's ChangeDlgSize / WriteDlgSize use these.
#pragma once

#include "core/Tvx_String.h"

struct DlgSize {
    int width = 0;
    int height = 0;
};

// The registry key path for a dialog key such as "DLG_MACRO_CUTS".
Tvx_String dlgRegistryPath(const Tvx_String& dlgKey);

// The stored size; false (size unchanged) when none is stored or it is not positive.
bool readDlgSize(const Tvx_String& dlgKey, DlgSize& size);
// Stores a size; sizes below 1 are refused.
bool writeDlgSize(const Tvx_String& dlgKey, const DlgSize& size);

// The stored size, or the default when none is stored; a stored size is kept within what a
// screen can show (100 .. 10000 pixels each way), so a damaged entry never hides a dialog.
DlgSize getSafeDlgSize(const Tvx_String& dlgKey, int defaultWidth, int defaultHeight);

// A stored flag (DWORD non-zero = true); `defaultValue` when none is stored.
bool readDlgRegBool(const Tvx_String& dlgKey, const Tvx_String& valueName,
                    bool defaultValue = false);
bool writeDlgRegBool(const Tvx_String& dlgKey, const Tvx_String& valueName, bool value);
