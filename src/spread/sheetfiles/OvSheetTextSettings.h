// OvSheetTextSettings.h - plugs the settings files into Tvx_Spread::applyTextSettings: the
// provider initialises the sheet as a new sheet and reports the settings' font.
#pragma once

#include "spread/SheetTextSettings.h"

class OvSheetTextSettings : public SheetTextSettingsProvider {
  public:
    bool initSheet(Tvx_Spread& spread, const Tvx_String& name, Tvx_String& defaultFont,
                   int& defaultTextHeight) override;
};

// Installs the settings-file provider for every grid (the module does this once at load);
// returns the provider that was installed before.
SheetTextSettingsProvider* installSheetTextSettings();
