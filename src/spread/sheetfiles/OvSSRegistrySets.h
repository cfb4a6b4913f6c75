// OvSSRegistrySets.h - the spreadsheet editor's machine-wide defaults in the registry: its
// language and the name of the default sheet settings.
#pragma once

#include "core/Tvx_String.h"

class OvSSRegistrySets {
  public:
    static constexpr const wchar_t* kKey = L"Software\\Orvane\\Spreadsheet Editor v1.0";
    static constexpr const wchar_t* kLanguageValue = L"Language";
    static constexpr const wchar_t* kDefaultSettingsValue = L"Default Settings";

    virtual ~OvSSRegistrySets() = default;

    // Both values from / to HKEY_LOCAL_MACHINE\kKey. False when either fails; the other is
    // still done, and a missing value keeps its current field.
    bool read();
    bool write() const;

    Tvx_String language = L"EN";
    Tvx_String defaultSettingsName;
};
