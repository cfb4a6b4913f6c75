// OvSSSettings.cpp - the settings fields, their keys, and reading and writing them.
#include "spread/sheetfiles/OvSSSettings.h"

#include <string>

#include "base/Utf8.h"
#include "core/AtomicFile.h"
#include "core/TextFile.h"
#include "spread/TSpread.h"
#include "spread/sheetfiles/SettingsFolder.h"

namespace {
// Settings files are a few hundred bytes; anything far larger is not one.
constexpr std::size_t kMaxSettingsFileBytes = std::size_t{4} << 20;
}  // namespace

void OvSSSettings::setDefaults() {
    gridHandle = nullptr;
    valid = false;
    headerFile = L"";
    footerFile = L"";
    defaultFont = L"Tahoma";
    defaultTextHeight = 13;
    marginLeft = 9;
    marginRight = 5;
    marginTop = 5;
    marginBottom = 5;
    smartPrint = true;
    colors = true;
    colHeader = true;
    rowHeader = true;
    cellSeperators = true;
    border = true;
    varNames.removeAll();
    varValues.removeAll();
}

void OvSSSettings::useDefaults() {
    setDefaults();
    valid = true;
}

OvSettingsStore OvSSSettings::toStore() const {
    OvSettingsStore store;
    store.setString(L"defaultFont", defaultFont);
    store.setInt(L"defaultTextHeight", defaultTextHeight);
    store.setString(L"headerFile", headerFile);
    store.setString(L"footerFile", footerFile);
    store.setInt(L"marginLeft", marginLeft);
    store.setInt(L"marginRight", marginRight);
    store.setInt(L"marginTop", marginTop);
    store.setInt(L"marginBottom", marginBottom);
    store.setBool(L"smartPrint", smartPrint);
    store.setBool(L"colors", colors);
    store.setBool(L"colHeader", colHeader);
    store.setBool(L"rowHeader", rowHeader);
    store.setBool(L"cellSeperators", cellSeperators);
    store.setBool(L"border", border);
    store.setStringList(L"varNames", varNames);
    store.setStringList(L"varValues", varValues);
    return store;
}

void OvSSSettings::takeFrom(const OvSettingsStore& store) {
    store.getString(L"headerFile", headerFile);
    store.getString(L"footerFile", footerFile);
    store.getString(L"defaultFont", defaultFont);
    store.getInt(L"defaultTextHeight", defaultTextHeight);
    store.getInt(L"marginLeft", marginLeft);
    store.getInt(L"marginRight", marginRight);
    store.getInt(L"marginTop", marginTop);
    store.getInt(L"marginBottom", marginBottom);
    store.getBool(L"smartPrint", smartPrint);
    store.getBool(L"colors", colors);
    store.getBool(L"colHeader", colHeader);
    store.getBool(L"rowHeader", rowHeader);
    store.getBool(L"cellSeperators", cellSeperators);
    store.getBool(L"border", border);
    store.getStringList(L"varNames", varNames);
    store.getStringList(L"varValues", varValues);
}

bool OvSSSettings::load(const Tvx_String& settingsName) {
    const Tvx_String path = sheetSettingsFile(settingsName);
    std::string bytes;
    if (path.isEmpty() || !readFileBytes(path, bytes, kMaxSettingsFileBytes)) {
        return false;
    }
    OvSettingsStore store;
    if (!store.decode(Tvx_String(ovbase::fromWindows1252(bytes)))) {
        return false;
    }
    setDefaults();
    valid = true;
    takeFrom(store);
    return true;
}

bool OvSSSettings::save(const Tvx_String& settingsName) const {
    const Tvx_String path = sheetSettingsFile(settingsName);
    if (!valid || path.isEmpty()) {
        return false;
    }
    return writeTextFileWindows1252(path, toStore().encode());
}

bool OvSSSettings::readFromGrid(const TSpread& grid) {
    if (!grid.hasGrid()) {
        return false;
    }
    std::wstring tag;
    grid.SSGetCellTag(0, 0, &tag);
    setDefaults();
    valid = true;
    gridHandle = &grid;
    // A tag is whatever the sheet carries: take the complete entries even of a damaged one.
    OvSettingsStore store;
    store.decode(Tvx_String(std::move(tag)));
    takeFrom(store);
    return true;
}

bool OvSSSettings::writeToGrid(TSpread& grid) const {
    return valid && grid.SSSetCellTag(0, 0, toStore().encode().wstr());
}

bool OvSSSettings::operator==(const OvSSSettings& other) const {
    return valid == other.valid && headerFile == other.headerFile &&
           footerFile == other.footerFile && defaultFont == other.defaultFont &&
           defaultTextHeight == other.defaultTextHeight && marginLeft == other.marginLeft &&
           marginRight == other.marginRight && marginTop == other.marginTop &&
           marginBottom == other.marginBottom && smartPrint == other.smartPrint &&
           colors == other.colors && colHeader == other.colHeader && rowHeader == other.rowHeader &&
           cellSeperators == other.cellSeperators && border == other.border &&
           varNames == other.varNames && varValues == other.varValues;
}
