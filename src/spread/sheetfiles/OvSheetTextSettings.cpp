// OvSheetTextSettings.cpp - the settings-file provider behind applyTextSettings.
#include "spread/sheetfiles/OvSheetTextSettings.h"

#include "spread/sheetfiles/SheetSetup.h"

// The font reported is that of the settings the sheet was actually set up with: when the name
// has no file, the registry's default settings stand in for it here too.
bool OvSheetTextSettings::initSheet(Tvx_Spread& spread, const Tvx_String& name,
                                    Tvx_String& defaultFont, int& defaultTextHeight) {
    if (!initSheetFromSettings(spread, name, true)) {
        return false;
    }
    OvSSSettings settings;
    resolveSheetSettings(name, settings);
    // An empty face or a height of 0 names no font: the grid keeps its own.
    if (!settings.defaultFont.isEmpty() && settings.defaultTextHeight > 0) {
        defaultFont = settings.defaultFont;
        defaultTextHeight = settings.defaultTextHeight;
    }
    return true;
}
