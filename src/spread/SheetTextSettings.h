// SheetTextSettings.h - the hook through which a grid is initialised from a named sheet
// settings set (fonts, margins, headers; see the sheet settings store). The engine start-up
// installs the settings-file provider; without one applyTextSettings fails and changes nothing.
#pragma once

#include "base/Service.h"
#include "core/Tvx_String.h"

class Tvx_Spread;

class SheetTextSettingsProvider {
  public:
    virtual ~SheetTextSettingsProvider() = default;
    // Initialises the sheet from the settings `name`; reports the settings' default font face
    // and text height. False when the settings cannot be applied.
    virtual bool initSheet(Tvx_Spread& spread, const Tvx_String& name, Tvx_String& defaultFont,
                           int& defaultTextHeight) = 0;
};

// The provider slot; empty by default.
ovbase::Service<SheetTextSettingsProvider>& sheetTextSettingsProvider();
