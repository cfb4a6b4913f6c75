// SettingsFolder.h - where named sheet settings live: "<application folder>\<name>.ovd".
#pragma once

#include "core/Tvx_String.h"

// The application folder (gSettings.tvxDir), normalised, with a trailing separator.
Tvx_String sheetSettingsFolder();
// The ".ovd" file of a settings name; "" for a name that is empty or would leave the folder
// (a separator, a colon or a ".." step), so that a name can never address another file.
Tvx_String sheetSettingsFile(const Tvx_String& settingsName);
