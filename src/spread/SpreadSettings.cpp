// SpreadSettings.cpp - sheet settings and the find dialog factory: the two services a grid
// takes from later layers.
#include "spread/OvFindDialog.h"
#include "spread/SheetTextSettings.h"
#include "spread/Tvx_Spread.h"

namespace {
SheetTextSettingsProvider* gTextSettings = nullptr;

OvFindDialogFactory& factorySlot() {
    static OvFindDialogFactory factory;
    return factory;
}
}  // namespace

SheetTextSettingsProvider* setSheetTextSettingsProvider(SheetTextSettingsProvider* provider) {
    SheetTextSettingsProvider* previous = gTextSettings;
    gTextSettings = provider;
    return previous;
}

SheetTextSettingsProvider* sheetTextSettingsProvider() {
    return gTextSettings;
}

OvFindDialogFactory setFindDialogFactory(OvFindDialogFactory factory) {
    OvFindDialogFactory previous = std::move(factorySlot());
    factorySlot() = std::move(factory);
    return previous;
}

const OvFindDialogFactory& findDialogFactory() {
    return factorySlot();
}

bool Tvx_Spread::applyTextSettings(const Tvx_String& settingsName) {
    if (!created || !gTextSettings) {
        return false;
    }
    Tvx_String face = fontFace;
    int height = fontHeight;
    if (!gTextSettings->initSheet(*this, settingsName, face, height)) {
        return false;
    }
    fontFace = face;
    fontHeight = height;
    return setFonts(false);
}
