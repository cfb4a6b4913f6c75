// OvSSSettings.h - the presentation settings of one sheet (fonts, margins, print switches,
// header and footer files, bill variables) and the three places they travel: the hidden tag of
// cell (0, 0) of the sheet, a named ".ovd" settings file, and (by name) the registry default.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "spread/sheetfiles/OvSettingsStore.h"

class TSpread;

class OvSSSettings {
  public:
    OvSSSettings() { setDefaults(); }
    virtual ~OvSSSettings() = default;

    // The defaults of every field; valid false.
    void setDefaults();
    // The defaults, marked valid: what a sheet gets when no settings file can be read.
    void useDefaults();

    // Defaults, then every key present in the named ".ovd" file; valid true. False, with the
    // settings unchanged, when the file cannot be read or is not a settings file.
    bool load(const Tvx_String& settingsName);
    // Only when valid: every key into the named ".ovd" file (written atomically, Windows-1252).
    // False while not valid or when the file cannot be written.
    bool save(const Tvx_String& settingsName) const;

    // Defaults, then every key present in the tag of cell (0, 0); valid true; the grid is
    // remembered. False (nothing changed) without a grid.
    bool readFromGrid(const TSpread& grid);
    // Only when valid: every key as the tag of cell (0, 0).
    bool writeToGrid(TSpread& grid) const;

    // All keys in their fixed order, and every key present taken from a store.
    OvSettingsStore toStore() const;
    void takeFrom(const OvSettingsStore& store);

    bool operator==(const OvSSSettings& other) const;

    const TSpread* gridHandle = nullptr;
    bool valid = false;
    Tvx_String headerFile;
    Tvx_String footerFile;
    Tvx_String defaultFont;
    int defaultTextHeight = 0;
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    bool smartPrint = false;
    bool colors = false;
    bool colHeader = false;
    bool rowHeader = false;
    bool cellSeperators = false;
    bool border = false;
    Tvx_StringArray varNames;
    Tvx_StringArray varValues;
};
