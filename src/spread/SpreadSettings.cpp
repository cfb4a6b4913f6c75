// SpreadSettings.cpp - sheet settings and the find dialog factory: the two services a grid
// takes from later layers.
#include "spread/OvFindDialog.h"
#include "spread/SheetTextSettings.h"
#include "spread/Tvx_Spread.h"

ovbase::Service<SheetTextSettingsProvider>& sheetTextSettingsProvider() {
    static constinit ovbase::Service<SheetTextSettingsProvider> slot;
    return slot;
}

ovbase::Service<OvFindDialogFactory>& findDialogFactory() {
    static constinit ovbase::Service<OvFindDialogFactory> slot;
    return slot;
}

bool Tvx_Spread::applyTextSettings(const Tvx_String& settingsName) {
    SheetTextSettingsProvider* provider = sheetTextSettingsProvider().get();
    if (!created || provider == nullptr) {
        return false;
    }
    Tvx_String face = fontFace;
    int height = fontHeight;
    if (!provider->initSheet(*this, settingsName, face, height)) {
        return false;
    }
    fontFace = face;
    fontHeight = height;
    return setFonts(false);
}
