// DlgSizeStore.cpp - dialog sizes and flags in the registry store.
#include "core/DlgSizeStore.h"

#include <algorithm>
#include <climits>

#include "core/Registry.h"

Tvx_String dlgRegistryPath(const Tvx_String& dlgKey) {
    return L"Software\\Orvane\\ovss\\Dialogs\\" + dlgKey;
}

bool readDlgSize(const Tvx_String& dlgKey, DlgSize& size) {
    DWORD width = 0;
    DWORD height = 0;
    const Tvx_String path = dlgRegistryPath(dlgKey);
    if (!OvRegistry::getDword(HKEY_CURRENT_USER, path, L"Width", width) ||
        !OvRegistry::getDword(HKEY_CURRENT_USER, path, L"Height", height) || width < 1 ||
        height < 1 || width > INT_MAX || height > INT_MAX) {
        return false;
    }
    size = {static_cast<int>(width), static_cast<int>(height)};
    return true;
}

bool writeDlgSize(const Tvx_String& dlgKey, const DlgSize& size) {
    if (dlgKey.isEmpty() || size.width < 1 || size.height < 1) {
        return false;
    }
    const Tvx_String path = dlgRegistryPath(dlgKey);
    return OvRegistry::setDword(HKEY_CURRENT_USER, path, L"Width",
                                static_cast<DWORD>(size.width)) &&
           OvRegistry::setDword(HKEY_CURRENT_USER, path, L"Height",
                                static_cast<DWORD>(size.height));
}

bool readDlgRegBool(const Tvx_String& dlgKey, const Tvx_String& valueName, bool defaultValue) {
    DWORD value = 0;
    if (!OvRegistry::getDword(HKEY_CURRENT_USER, dlgRegistryPath(dlgKey), valueName, value)) {
        return defaultValue;
    }
    return value != 0;
}

bool writeDlgRegBool(const Tvx_String& dlgKey, const Tvx_String& valueName, bool value) {
    if (dlgKey.isEmpty()) {
        return false;
    }
    return OvRegistry::setDword(HKEY_CURRENT_USER, dlgRegistryPath(dlgKey), valueName,
                                value ? 1 : 0);
}

DlgSize getSafeDlgSize(const Tvx_String& dlgKey, int defaultWidth, int defaultHeight) {
    constexpr int kSmallest = 100;
    constexpr int kLargest = 10000;
    DlgSize size{defaultWidth, defaultHeight};
    DlgSize stored;
    if (readDlgSize(dlgKey, stored)) {
        size.width = std::clamp(stored.width, kSmallest, kLargest);
        size.height = std::clamp(stored.height, kSmallest, kLargest);
    }
    return size;
}
