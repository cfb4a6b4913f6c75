// SettingsFolder.cpp - the settings folder and the file of a settings name.
#include "spread/sheetfiles/SettingsFolder.h"

#include "core/Paths.h"
#include "core/Tvx_Settings.h"

Tvx_String sheetSettingsFolder() {
    return withTrailingSeparator(Tvx_Settings::normalizeFolder(gSettings.tvxDir));
}

Tvx_String sheetSettingsFile(const Tvx_String& settingsName) {
    if (settingsName.isEmpty() || settingsName.find(L'\\') >= 0 || settingsName.find(L'/') >= 0 ||
        settingsName.find(L':') >= 0 || settingsName == L"." || settingsName == L"..") {
        return Tvx_String();
    }
    return sheetSettingsFolder() + settingsName + L".ovd";
}
