// OvSSRegistrySets.cpp - the editor defaults on the registry store.
#include "spread/sheetfiles/OvSSRegistrySets.h"

#include "core/Registry.h"

bool OvSSRegistrySets::read() {
    const bool languageRead =
        OvRegistry::getString(HKEY_LOCAL_MACHINE, kKey, kLanguageValue, language);
    const bool defaultRead =
        OvRegistry::getString(HKEY_LOCAL_MACHINE, kKey, kDefaultSettingsValue, defaultSettingsName);
    return languageRead && defaultRead;
}

bool OvSSRegistrySets::write() const {
    const bool languageWritten =
        OvRegistry::setString(HKEY_LOCAL_MACHINE, kKey, kLanguageValue, language);
    const bool defaultWritten =
        OvRegistry::setString(HKEY_LOCAL_MACHINE, kKey, kDefaultSettingsValue, defaultSettingsName);
    return languageWritten && defaultWritten;
}
