// OvSheetTextSettings.h - plugs the settings files into Tvx_Spread::applyTextSettings: the
// provider initialises the sheet as a new sheet and reports the settings' font. The engine
// start-up installs it for every grid.
#pragma once

#include "spread/SheetTextSettings.h"

class OvSheetTextSettings : public SheetTextSettingsProvider {
  public:
    bool initSheet(Tvx_Spread& spread, const Tvx_String& name, Tvx_String& defaultFont,
                   int& defaultTextHeight) override;
};
